// Marvane level preview: the browser half of marvane_preview.
//
// marvane_preview writes one self-contained preview.html that is opened from
// disk (file://) with no server and no network. It inlines this file's
// bundle (third_party/three/preview_viewer.js, an IIFE) in a plain <script>
// and the level in a data block. Everything the page needs is in the page.
//
// Data block, exactly one per page:
//
//   <div id="marvane-view"></div>
//   <script id="marvane-level" type="application/json">{ ... }</script>
//
//   {
//     "title": "string",
//     "notes": ["string", ...],          // gaps, missing tiles; shown as text
//     "largestSide": L,                  // the painter's size limit: no grid
//                                        // side is larger
//     "primary": {
//       "side": N,                       // vertices per edge, 2..L
//       "spacing": H,                    // world units between vertices
//       "heights": "base64",             // N*N float32 little-endian, world
//                                        // units; row 0 = north edge,
//                                        // column 0 = west edge
//       "colour": "data:image/jpeg;base64,..." or PNG; top row = north
//       "detail": "data:image/png;base64,..."  // optional blend weights,
//                                        // red/green/blue = low/high/steep
//       "slopes": "base64",              // optional, for the live blend: N*N
//                                        // uint16 little-endian, the
//                                        // painter's slope / 65535
//       "heightRange": R,                // the height the painter divides by
//       "mapSide": S                     // texels a side of the painted map
//     },
//     "surroundings": [                  // up to 8, may be empty or absent
//       { "name": "L1D1"|"D1"|"R1D1"|"R1"|"R1U1"|"U1"|"L1U1"|"L1",
//         "column": -1..1,               // +1 = east
//         "row": -1..1,                  // +1 = south
//         "side": M, "spacing": H2,      // (M-1)*H2 should equal (N-1)*H
//         "heights": "base64",           // as for primary
//         "colour": "data:..." or null,  // null: drawn neutral grey
//         "slopes", "heightRange", "mapSide" as for primary (mapSide 512) }
//     ],
//     "materials": { "live": false }     // no live blend (a note says why), or
//     "materials": {
//       "live": true,
//       "low", "high", "steep": "data:image/png;base64,...", // 512 x 512, top
//                                        // row = texture row 0 as the painter
//                                        // reads it
//       "heightGradient", "angleGradient": "base64",  // the 512 table bytes
//       "base": metres or null,          // height of sample 0, when recorded
//       "fullScale": metres,             // what the height table spans
//       "rules": "materials.txt text",   // what the panel starts from
//       "rulesFrom": "string",           // where they came from
//       "mirror": true|false             // optional: textures mirrored
//     }
//   }
//
// The writer must escape "<" in the JSON text as \u003c (titles and notes are
// free text and "</script>" would end the block early). Images must be data:
// URIs; anything else is ignored with a note rather than fetched.
//
// A broken primary terrain stops the viewer with a visible message and an
// uncaught error in the console; a broken surrounding terrain is skipped and
// listed in the notes. The address (#view=...&layer=...&light=...&rules=...)
// sets the view; see level.js. window.marvanePreviewReady becomes true once the first
// frame has been drawn with all images applied (and the console gets a line
// with the time it took); on failure window.marvanePreviewError holds the
// message instead.

import {
  BufferAttribute, BufferGeometry, Color, DataTexture, DoubleSide, FloatType, Group,
  LinearMipmapLinearFilter, Mesh, MirroredRepeatWrapping, NearestFilter, NoColorSpace,
  OrthographicCamera, PerspectiveCamera, RedFormat, RGFormat, RepeatWrapping, Scene, ShaderMaterial,
  TextureLoader, Vector3, WebGLRenderer,
} from 'three';
import { OrbitControls } from 'three/examples/jsm/controls/OrbitControls.js';
import {
  parseLevel, terrainArrays, sunDirection, startCamera, mapFrame, scaleBar,
  parseViewState, formatViewState, parseMaterials, parseRules, formatRule, rulesTables,
  meanShares, TABLE,
} from './level.js';

const FOV = 45;
const GREY = 0x9a9a9a;
const SKY = 0xbfd4e6;
const LIGHTS = { sun: 0, neutral: 1, flat: 2 };

// One shader for every terrain, so that the three lightings are the same
// code path for all of them. Maps are read as the bytes they hold (no colour
// space conversion on upload): `flat` then shows each pixel as the map has
// it, `neutral` scales those bytes by a grey shading only, which keeps each
// pixel's chromaticity, and `sun` lights the linear colour with the sun, a
// sky/ground fill and a little ambient light, as a physically based
// renderer does, and encodes the result for the screen.
//
// With live materials the terrain is blended here from its height and slope
// as the painter blends it: where each vertex looks the painter's two tables
// up is a grid of its own (groundGrid, sampled bilinearly as the painter
// samples height and slope), the tables come from the rules, and the three
// textures are placed as the painter places them (repeated every 512 texels
// of the map, mirrored every other time when so painted; once across a
// surrounding map).
const TERRAIN_VERTEX = `
varying vec2 vUv;
varying vec3 vNormal;
void main() {
  vUv = uv;
  vNormal = normalize(normalMatrix * normal);
  gl_Position = projectionMatrix * modelViewMatrix * vec4(position, 1.0);
}`;
const TERRAIN_FRAGMENT = `
uniform sampler2D map;
uniform bool hasMap;
uniform vec3 grey;
uniform int lighting;
uniform vec3 sunView;
uniform vec3 upView;
uniform vec3 skyColour;
uniform vec3 groundColour;
uniform bool live;
uniform bool weights;
uniform sampler2D tables;
uniform sampler2D lowTexture;
uniform sampler2D highTexture;
uniform sampler2D steepTexture;
uniform float mapSide;
uniform sampler2D groundGrid;
uniform float gridSide;
varying vec2 vUv;
varying vec3 vNormal;
vec2 groundAt(vec2 uv) {
  vec2 g = clamp(vec2(uv.x, 1.0 - uv.y) * (gridSide - 1.0), 0.0, gridSide - 1.0);
  ivec2 c = ivec2(min(floor(g), vec2(gridSide - 2.0)));
  vec2 f = g - vec2(c);
  vec2 upper = mix(texelFetch(groundGrid, c, 0).rg, texelFetch(groundGrid, c + ivec2(1, 0), 0).rg, f.x);
  vec2 lower = mix(texelFetch(groundGrid, c + ivec2(0, 1), 0).rg, texelFetch(groundGrid, c + ivec2(1, 1), 0).rg, f.x);
  return mix(upper, lower, f.y);
}
float lookUp(float position, int row) {
  float p = clamp(position, 0.0, 510.9999);
  int k = int(floor(p));
  float a = texelFetch(tables, ivec2(k, row), 0).r;
  float b = texelFetch(tables, ivec2(k + 1, row), 0).r;
  return a + (b - a) * (p - float(k));
}
vec3 toLinear(vec3 c) { return mix(c / 12.92, pow((c + 0.055) / 1.055, vec3(2.4)), step(0.04045, c)); }
vec3 toScreen(vec3 c) { return mix(c * 12.92, 1.055 * pow(c, vec3(1.0 / 2.4)) - 0.055, step(0.0031308, c)); }
void main() {
  vec3 colour = hasMap ? texture2D(map, vUv).rgb : grey;
  if (live) {
    vec2 ground = groundAt(vUv);
    float L = lookUp(ground.x, 0);
    float A = lookUp(ground.y, 1);
    vec3 w = vec3((1.0 - L) * (1.0 - A), (1.0 - A) * L, A);
    // Weight texel (x, y) of the map, y from the north edge, takes texture
    // texel (x, y) modulo the repetition (the wrapping mirrors it).
    vec2 texel = (vec2(vUv.x, 1.0 - vUv.y) * (mapSide - 1.0) + 0.5) / 512.0;
    colour = weights ? w : w.x * texture2D(lowTexture, texel).rgb + w.y * texture2D(highTexture, texel).rgb +
                               w.z * texture2D(steepTexture, texel).rgb;
  }
  vec3 n = normalize(vNormal);
  float sunlit = max(dot(n, normalize(sunView)), 0.0);
  vec3 shown = colour;
  if (lighting == 1) {
    shown = colour * (0.55 + 0.45 * sunlit);
  } else if (lighting == 0) {
    vec3 fill = mix(groundColour, skyColour, 0.5 * dot(n, normalize(upView)) + 0.5);
    vec3 irradiance = vec3(2.2 * sunlit) + 0.9 * fill + vec3(0.15);
    shown = toScreen(clamp(toLinear(colour) * irradiance / 3.14159265, 0.0, 1.0));
  }
  gl_FragColor = vec4(shown, 1.0);
}`;

function showFatal(error) {
  const message = error && error.message ? error.message : String(error);
  window.marvanePreviewError = message;
  const box = document.createElement('div');
  Object.assign(box.style, {
    position: 'fixed', top: '1em', left: '1em', right: '1em', padding: '1em',
    background: '#fff0f0', color: '#600', border: '1px solid #c00',
    font: '14px sans-serif', zIndex: 20, whiteSpace: 'pre-wrap',
  });
  box.textContent = `The preview could not be shown: ${message}`;
  document.body.appendChild(box);
}

function loadTexture(loader, uri) {
  return new Promise((resolve, reject) => {
    loader.load(uri, (texture) => {
      texture.colorSpace = NoColorSpace;
      texture.minFilter = LinearMipmapLinearFilter;
      texture.anisotropy = 4;
      resolve(texture);
    }, undefined, () => reject(new Error('image could not be decoded')));
  });
}

function terrainMaterial(shared) {
  return new ShaderMaterial({
    vertexShader: TERRAIN_VERTEX,
    fragmentShader: TERRAIN_FRAGMENT,
    side: DoubleSide, // the skirts are seen from either side
    uniforms: {
      map: { value: null },
      hasMap: { value: false },
      grey: { value: new Color(GREY).convertLinearToSRGB() },
      lighting: shared.lighting,
      sunView: shared.sunView,
      upView: shared.upView,
      skyColour: { value: new Color(0xdde8ff) },
      groundColour: { value: new Color(0x5a4a3a) },
      live: { value: false },
      weights: { value: false },
      tables: shared.tables,
      lowTexture: { value: null },
      highTexture: { value: null },
      steepTexture: { value: null },
      mapSide: { value: 512 },
      groundGrid: { value: null },
      gridSide: { value: 2 },
    },
  });
}

function setMap(mesh, texture) {
  mesh.material.uniforms.map.value = texture || null;
  mesh.material.uniforms.hasMap.value = Boolean(texture);
}

function buildMesh(terrain, width, skirtBottom, shared) {
  const { positions, uvs, indices, edgeOf } = terrainArrays(
    terrain.side, terrain.spacing, terrain.heights,
    terrain.column * width, terrain.row * width, skirtBottom);
  const geometry = new BufferGeometry();
  geometry.setAttribute('position', new BufferAttribute(positions, 3));
  geometry.setAttribute('uv', new BufferAttribute(uvs, 2));
  geometry.setIndex(new BufferAttribute(indices, 1));
  geometry.computeVertexNormals();
  // The skirt is lit as the ground it hangs from.
  const normals = geometry.getAttribute('normal').array;
  const first = terrain.side * terrain.side;
  for (let k = 0; k < edgeOf.length; k++) {
    for (let j = 0; j < 3; j++) normals[(first + k) * 3 + j] = normals[edgeOf[k] * 3 + j];
  }
  const mesh = new Mesh(geometry, terrainMaterial(shared));
  mesh.name = terrain.name;
  return mesh;
}

// --- control panel (plain DOM) ---

function el(tag, props = {}, children = []) {
  const node = document.createElement(tag);
  for (const [k, v] of Object.entries(props)) {
    if (k === 'style') Object.assign(node.style, v);
    else node[k] = v;
  }
  for (const child of children) node.append(child);
  return node;
}

function slider(label, min, max, step, value, format, onInput) {
  const out = el('span', { textContent: format(value) });
  const input = el('input', { type: 'range', min, max, step, value: String(value) });
  input.style.width = '100%';
  input.addEventListener('input', () => {
    const v = Number(input.value);
    out.textContent = format(v);
    onInput(v);
  });
  const row = el('label', { style: { display: 'block', margin: '0.4em 0' } },
    [el('span', { textContent: `${label} ` }), out, input]);
  return { row, input, set(v) { input.value = String(v); out.textContent = format(v); onInput(v); } };
}

// The Materials section: the rules as text, a slider for each point of each
// rule and one for its blend width, the shares they give, and Save and
// Revert. `live` applies a rules text and says what was wrong with it.
function materialsSection(live) {
  const m = live.materials;
  const box = el('div', { id: 'marvane-materials', style: { borderTop: '1px solid #ccc', marginTop: '6px', paddingTop: '4px' } });
  box.append(el('div', { textContent: 'Materials', style: { fontWeight: 'bold' } }));
  box.append(el('div', { textContent: `Rules from ${m.rulesFrom}; heights in metres ${m.hasBase ? 'above sea level' : 'above the heightmap\'s sample 0'}`, style: { color: '#555' } }));
  const text = el('textarea', { id: 'marvane-rules', rows: 4, spellcheck: false, style: { width: '100%', boxSizing: 'border-box', font: '11px monospace' } });
  const problem = el('div', { id: 'marvane-rules-problem', style: { color: '#b00', whiteSpace: 'pre-wrap' } });
  const shares = el('div', { id: 'marvane-shares', style: { margin: '4px 0', fontWeight: 'bold' } });
  const sliders = el('div');
  const mirror = el('input', { type: 'checkbox', checked: m.mirror });
  mirror.addEventListener('change', () => live.setMirror(mirror.checked));
  const save = el('button', { type: 'button', textContent: 'Save rules', id: 'marvane-save' });
  const revert = el('button', { type: 'button', textContent: 'Revert', id: 'marvane-revert' });
  const command = el('div', { style: { color: '#555', marginTop: '4px' } });
  command.append('Then, in the working folder:', el('pre', {
    textContent: 'marvane_materials --rules ~/Downloads/materials.txt\nMarvane -mirror 1 -surround 1 -deltemps 0',
    style: { margin: '2px 0', whiteSpace: 'pre-wrap', font: '11px monospace' },
  }));
  box.append(text, problem, shares, sliders,
    el('label', { style: { display: 'block', margin: '0.3em 0' } }, [mirror, ' textures mirrored (painted with -mirror 1)']),
    save, ' ', revert, command);

  text.addEventListener('input', () => live.apply(text.value, true));
  save.addEventListener('click', () => {
    const blob = new Blob([`# chosen in the preview of ${live.title} (from ${m.rulesFrom})\n${live.text().replace(/^# chosen in the preview[^\n]*\n/, '')}`], { type: 'text/plain' });
    const link = el('a', { href: URL.createObjectURL(blob), download: 'materials.txt' });
    document.body.append(link);
    link.click();
    link.remove();
  });
  revert.addEventListener('click', () => live.revert());

  // Sliders for the points of the rules as they stand; rebuilt when the
  // text changes, left alone while one of them moves.
  function buildSliders(rules, source) {
    sliders.replaceChildren();
    for (const kind of ['high', 'steep']) {
      const rule = rules[kind];
      if (!rule || rule.points.length === 0 || (rule.points.length === 1 && rule.points[0].at === 0)) continue;
      const unit = kind === 'high' ? 'm' : '°';
      const [min, max] = kind === 'high' ? [m.base, m.base + m.fullScale] : [0, 90];
      const step = kind === 'high' ? Math.max(0.1, Number(((max - min) / 1000).toPrecision(1))) : 0.1;
      const write = () => {
        const lines = live.text().split('\n');
        lines[rule.line - 1] = formatRule(rule);
        live.apply(lines.join('\n'), false);
      };
      sliders.append(el('div', { textContent: kind === 'high' ? 'High ground by height' : 'Steep ground by slope', style: { marginTop: '4px' } }));
      // A point each for a band or a few points; a long curve (read back
      // from a gradient) moves as a whole by its blend width alone.
      if (rule.points.length <= 4) rule.points.forEach((point, i) => {
        const s = slider(`${point.share} at`, min, max, step, point.at, (v) => `${Number(v.toFixed(2))} ${unit}`, (v) => {
          point.at = Number(v.toFixed(2));
          // Keep the points in rising order.
          for (let j = i + 1; j < rule.points.length; j++) rule.points[j].at = Math.max(rule.points[j].at, point.at);
          for (let j = i - 1; j >= 0; j--) rule.points[j].at = Math.min(rule.points[j].at, point.at);
          write();
        });
        sliders.append(s.row);
      });
      if (rule.points.length > 1) {
        const first = rule.points[0].at;
        const last = rule.points[rule.points.length - 1].at;
        const centre = (first + last) / 2;
        const spread = rule.points.map((p) => p.at - centre);
        const width = last - first;
        const s = slider('blend width', 0, (max - min) / 2, step, width, (v) => `${Number(v.toFixed(2))} ${unit}`, (v) => {
          const factor = width > 0 ? v / width : 0;
          rule.points.forEach((p, j) => { p.at = Number((centre + spread[j] * factor).toFixed(2)); });
          write();
        });
        sliders.append(s.row);
      }
    }
    text.dataset.source = source;
  }
  return {
    box,
    show(rulesText, rules, error, result, rebuild) {
      if (text.value !== rulesText) text.value = rulesText;
      problem.textContent = error || '';
      if (result) {
        const pc = (v) => (v * 100).toFixed(1);
        shares.textContent = `low ${pc(result.low)} %, high ${pc(result.high)} %, steep ${pc(result.steep)} %`;
      }
      if (rules && rebuild) buildSliders(rules, rulesText);
    },
  };
}

function buildPanel(level, handlers) {
  const panel = el('div', {
    id: 'marvane-panel',
    style: {
      position: 'fixed', top: '8px', left: '8px', width: '260px', maxHeight: 'calc(100% - 16px)',
      overflowY: 'auto', padding: '8px 10px', boxSizing: 'border-box',
      background: 'rgba(255,255,255,0.88)', color: '#222', font: '12px sans-serif',
      borderRadius: '4px', boxShadow: '0 1px 4px rgba(0,0,0,0.3)', zIndex: 10,
    },
  });
  panel.append(el('div', { textContent: level.title, style: { fontWeight: 'bold', fontSize: '14px', marginBottom: '4px' } }));

  const reset = el('button', { type: 'button', textContent: 'Reset view' });
  reset.addEventListener('click', handlers.resetView);
  const map = el('button', { type: 'button', id: 'marvane-map' });
  map.addEventListener('click', () => handlers.setState({ view: handlers.state.view === 'map' ? 'orbit' : 'map' }));
  panel.append(reset, ' ', map);

  const light = el('select', { id: 'marvane-light' });
  for (const [value, text] of [['sun', 'sun and sky'], ['neutral', 'neutral (true colours)'], ['flat', 'flat (no shading)']]) {
    light.append(el('option', { value, textContent: text }));
  }
  light.addEventListener('change', () => handlers.setState({ light: light.value }));
  panel.append(el('label', { style: { display: 'block', margin: '0.4em 0' } }, ['Light ', light]));

  const az = slider('Sun azimuth', 0, 360, 1, handlers.sun.azimuth, (v) => `${v}°`, (v) => handlers.setSun({ azimuth: v }));
  const elev = slider('Sun elevation', 2, 90, 1, handlers.sun.elevation, (v) => `${v}°`, (v) => handlers.setSun({ elevation: v }));
  const ex = slider('Height exaggeration', 1, 5, 0.1, 1, (v) => `${v.toFixed(1)}×`, handlers.setExaggeration);
  panel.append(az.row, elev.row, ex.row);

  let detail = null;
  if (handlers.hasDetail) {
    detail = el('input', { type: 'checkbox' });
    detail.addEventListener('change', () => handlers.setState({ layer: detail.checked ? 'detail' : 'colour' }));
    panel.append(el('label', { style: { display: 'block', margin: '0.4em 0' } },
      [detail, ' Show detail map (red low, green high, blue steep)']));
  }

  let materials = null;
  if (handlers.live) {
    materials = materialsSection(handlers.live);
    panel.append(materials.box);
  }

  if (level.notes.length > 0) {
    const list = el('ul', { style: { margin: '4px 0 0', paddingLeft: '1.2em' } });
    for (const note of level.notes) list.append(el('li', { textContent: note }));
    panel.append(el('div', { textContent: 'Notes', style: { fontWeight: 'bold', marginTop: '6px' } }), list);
  }
  document.body.append(panel);
  // The panel follows the state, however it was set.
  handlers.showMaterials = materials ? materials.show : () => {};
  return (state) => {
    map.textContent = state.view === 'map' ? '3D view' : 'Map';
    light.value = state.light;
    if (detail) detail.checked = state.layer === 'detail';
  };
}

// --- scene ---

async function start() {
  const block = document.getElementById('marvane-level');
  if (!block) throw new Error('the page has no #marvane-level data block');
  const data = JSON.parse(block.textContent);
  const level = parseLevel(data);
  const primary = level.primary;
  const width = primary.width;
  const parsed = parseViewState(window.location.hash);
  level.notes.push(...parsed.problems);
  const state = parsed.state;

  let container = document.getElementById('marvane-view');
  if (!container) {
    container = el('div', { id: 'marvane-view' });
    document.body.append(container);
  }
  document.body.style.margin = '0';
  Object.assign(container.style, { position: 'fixed', inset: '0', overflow: 'hidden' });
  const viewWidth = () => container.clientWidth || window.innerWidth;
  const viewHeight = () => container.clientHeight || window.innerHeight;
  const aspect = () => viewWidth() / viewHeight();

  // Throws when WebGL is unavailable; that reaches the fatal handler.
  const renderer = new WebGLRenderer({ antialias: true });
  renderer.setPixelRatio(window.devicePixelRatio || 1);
  renderer.setSize(viewWidth(), viewHeight());
  container.append(renderer.domElement);

  // Draw on demand (damping keeps frames coming while the view settles),
  // so an idle preview does not keep a laptop's GPU busy.
  let pending = false;
  let first = true;
  let loaded = false; // set once every image is decoded and applied
  let rulesApplied = null; // when rules were last applied, until their frame is drawn
  let afterFirstFrame = null; // what the address asks for once the level is drawn
  function frame() {
    pending = false;
    if (state.view === 'orbit' && controls.update()) requestRender();
    const timing = loaded ? rulesApplied : null;
    const camera = state.view === 'map' ? mapCamera : orbitCamera;
    camera.updateMatrixWorld();
    shared.sunView.value.copy(sunWorld).transformDirection(camera.matrixWorldInverse);
    shared.upView.value.set(0, 1, 0).transformDirection(camera.matrixWorldInverse);
    renderer.render(scene, camera);
    if (timing !== null) {
      // The frame counts once the GPU has drawn it.
      renderer.getContext().finish();
      rulesApplied = null;
      console.info(`Marvane preview: rules applied, frame drawn in ${Math.round(performance.now() - timing)} ms`);
    }
    if (first && loaded) {
      first = false;
      window.marvanePreviewReady = true;
      // How long an author waits for the level, for the browser's console
      // (and the preview's benchmark, which reads it).
      console.info(`Marvane preview: first frame drawn ${Math.round(performance.now())} ms after the page began loading`);
      if (afterFirstFrame) setTimeout(afterFirstFrame, 0);
    }
  }
  function requestRender() {
    if (pending) return;
    pending = true;
    requestAnimationFrame(frame);
  }

  const scene = new Scene();
  scene.background = new Color(SKY);
  const terrains = new Group(); // scale.y is the height exaggeration
  scene.add(terrains);

  let minH = primary.min;
  let maxH = primary.max;
  for (const s of level.surroundings) { minH = Math.min(minH, s.min); maxH = Math.max(maxH, s.max); }
  // Skirts reach below the lowest ground of every terrain, so that each
  // edge is closed whatever its neighbour's heights.
  const skirtBottom = minH - Math.max(0.1 * (maxH - minH), 0.02 * width, primary.spacing);
  const shared = {
    lighting: { value: LIGHTS[state.light] },
    sunView: { value: new Vector3() },
    upView: { value: new Vector3() },
    tables: { value: null },
  };
  // The painter's two tables, rewritten whenever the rules change.
  const tableData = new Float32Array(TABLE * 2);
  const tableTexture = new DataTexture(tableData, TABLE, 2, RedFormat, FloatType);
  tableTexture.minFilter = NearestFilter;
  tableTexture.magFilter = NearestFilter;
  tableTexture.needsUpdate = true;
  shared.tables.value = tableTexture;
  const primaryMesh = buildMesh(primary, width, skirtBottom, shared);
  terrains.add(primaryMesh);
  const surroundingMeshes = level.surroundings.map((s) => {
    const mesh = buildMesh(s, width, skirtBottom, shared);
    terrains.add(mesh);
    return { terrain: s, mesh };
  });
  // The whole level: the primary, and the ring around it when painted.
  const extent = level.surroundings.length > 0 ? 3 * width : width;

  const sunWorld = new Vector3();
  const sun = { azimuth: 225, elevation: 40 };
  function setSun(change) {
    Object.assign(sun, change);
    sunWorld.set(...sunDirection(sun.azimuth, sun.elevation));
    requestRender();
  }

  const orbitCamera = new PerspectiveCamera(FOV, aspect(), 1, 10);
  const controls = new OrbitControls(orbitCamera, renderer.domElement);
  controls.enableDamping = true;
  controls.screenSpacePanning = false; // pan across the ground, not the screen
  controls.maxPolarAngle = Math.PI / 2 - 0.02;
  controls.addEventListener('change', () => requestRender());

  // The map: straight down, north (row 0, -z) at the top, east on the right.
  const mapCamera = new OrthographicCamera(-1, 1, 1, -1, 1, 10);
  mapCamera.up.set(0, 0, -1);
  const bar = el('div', {
    id: 'marvane-scale',
    style: {
      position: 'fixed', right: '16px', bottom: '16px', font: '12px sans-serif', color: '#222',
      background: 'rgba(255,255,255,0.85)', padding: '3px 6px', borderRadius: '3px', zIndex: 10,
    },
  });
  const barLine = el('div', { style: { height: '6px', border: '2px solid #222', borderTop: 'none' } });
  const barText = el('div', { style: { textAlign: 'center' } });
  bar.append(barText, barLine);
  document.body.append(bar);

  let exaggeration = 1;
  function placeMapCamera() {
    const frame = mapFrame(extent, aspect());
    Object.assign(mapCamera, { left: -frame.halfWidth, right: frame.halfWidth, top: frame.halfHeight, bottom: -frame.halfHeight });
    const top = Math.max(Math.abs(maxH), Math.abs(skirtBottom)) * exaggeration + extent;
    mapCamera.position.y = top;
    mapCamera.near = 1;
    mapCamera.far = 2 * top + extent;
    mapCamera.lookAt(mapCamera.position.x, 0, mapCamera.position.z);
    mapCamera.updateProjectionMatrix();
    updateScale();
  }
  function updateScale() {
    const metresPerPixel = (mapCamera.right - mapCamera.left) / mapCamera.zoom / viewWidth();
    const scale = scaleBar(metresPerPixel, 120);
    bar.style.display = state.view === 'map' && scale ? 'block' : 'none';
    if (!scale) return;
    barText.textContent = scale.label;
    barLine.style.width = `${Math.round(scale.pixels)}px`;
  }

  function resetView() {
    const start = startCamera(extent, minH * exaggeration, maxH * exaggeration, FOV, aspect());
    orbitCamera.near = Math.max(start.distance / 2000, 1e-3);
    orbitCamera.far = start.distance * 4 + extent * 2 + (maxH - minH) * 5;
    orbitCamera.updateProjectionMatrix();
    orbitCamera.position.set(...start.position);
    controls.target.set(...start.target);
    controls.minDistance = orbitCamera.near * 10;
    controls.maxDistance = orbitCamera.far / 2;
    controls.update();
    mapCamera.position.set(0, 0, 0);
    mapCamera.zoom = 1;
    placeMapCamera();
    requestRender();
  }
  function setExaggeration(v) {
    // Keep the view on the same ground: move camera and target with the
    // primary terrain's mid height as it is stretched.
    const mid = (primary.min + primary.max) / 2;
    const dy = mid * (v - exaggeration);
    exaggeration = v;
    terrains.scale.y = v;
    orbitCamera.position.y += dy;
    controls.target.y += dy;
    controls.update();
    placeMapCamera();
    requestRender();
  }

  // Panning by dragging and zooming by the wheel in the map; the orbit
  // controls rest meanwhile.
  const canvas = renderer.domElement;
  let drag = null;
  canvas.addEventListener('pointerdown', (event) => {
    if (state.view !== 'map') return;
    drag = { x: event.clientX, y: event.clientY };
    canvas.setPointerCapture(event.pointerId);
  });
  canvas.addEventListener('pointermove', (event) => {
    if (!drag) return;
    const perPixel = (mapCamera.right - mapCamera.left) / mapCamera.zoom / viewWidth();
    mapCamera.position.x -= (event.clientX - drag.x) * perPixel;
    mapCamera.position.z -= (event.clientY - drag.y) * perPixel;
    drag = { x: event.clientX, y: event.clientY };
    requestRender();
  });
  canvas.addEventListener('pointerup', () => { drag = null; });
  canvas.addEventListener('wheel', (event) => {
    if (state.view !== 'map') return;
    event.preventDefault();
    mapCamera.zoom = Math.min(Math.max(mapCamera.zoom * Math.exp(-event.deltaY * 0.001), 0.5), 500);
    mapCamera.updateProjectionMatrix();
    updateScale();
    requestRender();
  }, { passive: false });

  // Textures: every image is decoded before the first frame counts as ready,
  // so a screenshot taken on marvanePreviewReady shows the final picture.
  const loader = new TextureLoader();
  const textures = {};
  const jobs = [];
  const want = (uri, what, apply) => {
    if (!uri) return;
    jobs.push(loadTexture(loader, uri).then(apply, () => level.notes.push(`${what}: image could not be decoded; drawn in grey`)));
  };
  // Live materials: the three textures as the painter reads them (stored
  // row 0 is texture row 0, so no flip).
  const materials = primary.ground ? parseMaterials(data.materials, level.notes) : null;
  const liveTextures = {};
  if (materials) {
    for (const key of ['low', 'high', 'steep']) {
      want(materials[key], `${key} texture`, (t) => { t.flipY = false; t.needsUpdate = true; liveTextures[key] = t; });
    }
  }
  want(primary.colour, 'primary colour', (t) => { textures.colour = t; });
  want(primary.detail, 'primary detail map', (t) => { textures.detail = t; });
  for (const { terrain, mesh } of surroundingMeshes) {
    want(terrain.colour, `surrounding ${terrain.name} colour`, (t) => setMap(mesh, t));
  }
  await Promise.all(jobs);

  const live = materials && liveTextures.low && liveTextures.high && liveTextures.steep ? materials : null;
  const liveMeshes = [];
  if (live) {
    for (const [terrain, mesh] of [[primary, primaryMesh], ...surroundingMeshes.map((s) => [s.terrain, s.mesh])]) {
      if (!terrain.ground) continue;
      const u = mesh.material.uniforms;
      u.lowTexture.value = liveTextures.low;
      u.highTexture.value = liveTextures.high;
      u.steepTexture.value = liveTextures.steep;
      u.mapSide.value = terrain.mapSide;
      const grid = new DataTexture(terrain.ground, terrain.side, terrain.side, RGFormat, FloatType);
      grid.minFilter = NearestFilter;
      grid.magFilter = NearestFilter;
      grid.needsUpdate = true;
      u.groundGrid.value = grid;
      u.gridSide.value = terrain.side;
      liveMeshes.push(mesh);
    }
  }
  function setMirror(on) {
    for (const t of Object.values(liveTextures)) {
      t.wrapS = on ? MirroredRepeatWrapping : RepeatWrapping;
      t.wrapT = t.wrapS;
      t.needsUpdate = true;
    }
    requestRender();
  }
  if (live) setMirror(live.mirror);

  const handlers = {};
  let rulesText = live ? live.rules : '';
  // Applies a rules text: the tables, the shares and the address follow; a
  // text that does not read is shown with what is wrong, and the terrain
  // keeps the last rules that did.
  function applyRules(text, rebuild) {
    const started = performance.now();
    let rules;
    try {
      rules = parseRules(text);
    } catch (e) {
      handlers.showMaterials(text, null, e.message, null, false);
      return false;
    }
    const tables = rulesTables(rules, live);
    tableData.set(tables);
    tableTexture.needsUpdate = true;
    rulesText = text;
    state.rules = text === live.rules ? null : text;
    // The painted maps while the rules are those they were painted with;
    // blended here once they change.
    const blend = state.rules !== null || !textures.colour;
    for (const mesh of liveMeshes) mesh.material.uniforms.live.value = blend;
    history.replaceState(null, '', formatViewState(state));
    handlers.showMaterials(text, rules, '', meanShares(primary.ground, primary.side, tables), rebuild);
    rulesApplied = started;
    requestRender();
    return true;
  }

  let showPanel = () => {};
  function setState(change, fromAddress) {
    Object.assign(state, change);
    if (state.layer === 'detail' && !textures.detail && !live) state.layer = 'colour';
    const weights = state.layer === 'detail';
    for (const mesh of liveMeshes) mesh.material.uniforms.weights.value = weights;
    setMap(primaryMesh, weights ? textures.detail : textures.colour);
    shared.lighting.value = LIGHTS[state.light];
    controls.enabled = state.view === 'orbit';
    updateScale();
    showPanel(state);
    if (!fromAddress) history.replaceState(null, '', formatViewState(state));
    requestRender();
  }
  window.addEventListener('hashchange', () => {
    const next = parseViewState(window.location.hash);
    const rules = next.state.rules;
    delete next.state.rules;
    setState(next.state, true);
    if (live && (rules ?? live.rules) !== rulesText) applyRules(rules ?? live.rules, true);
  });

  Object.assign(handlers, {
    resetView, setSun, setExaggeration, setState, state, sun: { ...sun },
    hasDetail: Boolean(textures.detail) || Boolean(live),
    live: live && {
      materials: live, title: level.title, setMirror,
      text: () => rulesText,
      apply: applyRules,
      revert: () => applyRules(live.rules, true),
    },
  });
  showPanel = buildPanel(level, handlers);
  setSun({});
  resetView();
  setState({}, true);
  if (live) {
    // The page's own rules first, quietly; rules from the address once the
    // level is drawn, as a change an author makes, so that the console line
    // tells how long a change takes. Rules that do not read are shown with
    // what is wrong, and the page's own stay.
    const fromAddress = state.rules;
    applyRules(live.rules, true);
    rulesApplied = null;
    if (fromAddress !== null) {
      afterFirstFrame = () => {
        if (!applyRules(fromAddress, true)) {
          const problem = document.getElementById('marvane-rules-problem').textContent;
          handlers.showMaterials(live.rules, null, `The address's rules: ${problem}`, null, false);
          state.rules = null;
        }
      };
    }
  } else if (state.rules !== null) {
    level.notes.push('address: rules were given, but this page cannot blend its materials live');
  }
  loaded = true;

  window.addEventListener('resize', () => {
    orbitCamera.aspect = aspect();
    orbitCamera.updateProjectionMatrix();
    placeMapCamera();
    renderer.setSize(viewWidth(), viewHeight());
    requestRender();
  });

  requestRender();
}

function run() {
  start().catch((error) => {
    showFatal(error);
    throw error; // reaches the console as an uncaught rejection
  });
}

if (document.readyState === 'loading') {
  window.addEventListener('DOMContentLoaded', run);
} else {
  run();
}
