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
//     "primary": {
//       "side": N,                       // vertices per edge, 2..8193
//       "spacing": H,                    // world units between vertices
//       "heights": "base64",             // N*N float32 little-endian, world
//                                        // units; row 0 = north edge,
//                                        // column 0 = west edge
//       "colour": "data:image/jpeg;base64,..." or PNG; top row = north
//       "detail": "data:image/png;base64,..."  // optional blend weights,
//                                        // red/green/blue = low/high/steep
//     },
//     "surroundings": [                  // up to 8, may be empty or absent
//       { "name": "L1D1"|"D1"|"R1D1"|"R1"|"R1U1"|"U1"|"L1U1"|"L1",
//         "column": -1..1,               // +1 = east
//         "row": -1..1,                  // +1 = south
//         "side": M, "spacing": H2,      // (M-1)*H2 should equal (N-1)*H
//         "heights": "base64",           // as for primary
//         "colour": "data:..." or null } // null: drawn neutral grey
//     ]
//   }
//
// The writer must escape "<" in the JSON text as \u003c (titles and notes are
// free text and "</script>" would end the block early). Images must be data:
// URIs; anything else is ignored with a note rather than fetched.
//
// A broken primary terrain stops the viewer with a visible message and an
// uncaught error in the console; a broken surrounding terrain is skipped and
// listed in the notes. window.marvanePreviewReady becomes true once the first
// frame has been drawn with all images applied (and the console gets a line
// with the time it took); on failure window.marvanePreviewError holds the
// message instead.

import {
  AmbientLight, BufferAttribute, BufferGeometry, Color, DirectionalLight,
  Group, HemisphereLight, Mesh, MeshStandardMaterial, PerspectiveCamera,
  SRGBColorSpace, Scene, TextureLoader, WebGLRenderer,
} from 'three';
import { OrbitControls } from 'three/examples/jsm/controls/OrbitControls.js';
import { parseLevel, terrainArrays, sunDirection, startCamera } from './level.js';

const FOV = 45;
const GREY = 0x9a9a9a;

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
      texture.colorSpace = SRGBColorSpace;
      texture.anisotropy = 4;
      resolve(texture);
    }, undefined, () => reject(new Error('image could not be decoded')));
  });
}

function buildMesh(terrain, width) {
  const { positions, uvs, indices } = terrainArrays(
    terrain.side, terrain.spacing, terrain.heights,
    terrain.column * width, terrain.row * width);
  const geometry = new BufferGeometry();
  geometry.setAttribute('position', new BufferAttribute(positions, 3));
  geometry.setAttribute('uv', new BufferAttribute(uvs, 2));
  geometry.setIndex(new BufferAttribute(indices, 1));
  geometry.computeVertexNormals();
  const material = new MeshStandardMaterial({ color: GREY, roughness: 1, metalness: 0 });
  const mesh = new Mesh(geometry, material);
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

function buildPanel(level, handlers) {
  const panel = el('div', {
    id: 'marvane-panel',
    style: {
      position: 'fixed', top: '8px', left: '8px', width: '230px', maxHeight: 'calc(100% - 16px)',
      overflowY: 'auto', padding: '8px 10px', boxSizing: 'border-box',
      background: 'rgba(255,255,255,0.88)', color: '#222', font: '12px sans-serif',
      borderRadius: '4px', boxShadow: '0 1px 4px rgba(0,0,0,0.3)', zIndex: 10,
    },
  });
  panel.append(el('div', { textContent: level.title, style: { fontWeight: 'bold', fontSize: '14px', marginBottom: '4px' } }));

  const reset = el('button', { type: 'button', textContent: 'Reset view' });
  reset.addEventListener('click', handlers.resetView);
  panel.append(reset);

  const az = slider('Sun azimuth', 0, 360, 1, handlers.sun.azimuth, (v) => `${v}°`, (v) => handlers.setSun({ azimuth: v }));
  const elev = slider('Sun elevation', 2, 90, 1, handlers.sun.elevation, (v) => `${v}°`, (v) => handlers.setSun({ elevation: v }));
  const ex = slider('Height exaggeration', 1, 5, 0.1, 1, (v) => `${v.toFixed(1)}×`, handlers.setExaggeration);
  panel.append(az.row, elev.row, ex.row);

  if (handlers.hasDetail) {
    const box = el('input', { type: 'checkbox' });
    box.addEventListener('change', () => handlers.showDetail(box.checked));
    panel.append(el('label', { style: { display: 'block', margin: '0.4em 0' } },
      [box, ' Show detail map (red low, green high, blue steep)']));
  }

  if (level.notes.length > 0) {
    const list = el('ul', { style: { margin: '4px 0 0', paddingLeft: '1.2em' } });
    for (const note of level.notes) list.append(el('li', { textContent: note }));
    panel.append(el('div', { textContent: 'Notes', style: { fontWeight: 'bold', marginTop: '6px' } }), list);
  }
  document.body.append(panel);
}

// --- scene ---

async function start() {
  const block = document.getElementById('marvane-level');
  if (!block) throw new Error('the page has no #marvane-level data block');
  const level = parseLevel(JSON.parse(block.textContent));
  const primary = level.primary;
  const width = primary.width;

  let container = document.getElementById('marvane-view');
  if (!container) {
    container = el('div', { id: 'marvane-view' });
    document.body.append(container);
  }
  document.body.style.margin = '0';
  Object.assign(container.style, { position: 'fixed', inset: '0', overflow: 'hidden' });

  // Throws when WebGL is unavailable; that reaches the fatal handler.
  const renderer = new WebGLRenderer({ antialias: true });
  renderer.setPixelRatio(window.devicePixelRatio || 1);
  renderer.setSize(container.clientWidth || window.innerWidth, container.clientHeight || window.innerHeight);
  container.append(renderer.domElement);

  // Draw on demand (damping keeps frames coming while the view settles),
  // so an idle preview does not keep a laptop's GPU busy.
  let pending = false;
  let first = true;
  let loaded = false; // set once every image is decoded and applied
  function frame() {
    pending = false;
    if (controls.update()) requestRender();
    renderer.render(scene, camera);
    if (first && loaded) {
      first = false;
      window.marvanePreviewReady = true;
      // How long an author waits for the level, for the browser's console
      // (and the preview's benchmark, which reads it).
      console.info(`Marvane preview: first frame drawn ${Math.round(performance.now())} ms after the page began loading`);
    }
  }
  function requestRender() {
    if (pending) return;
    pending = true;
    requestAnimationFrame(frame);
  }

  const scene = new Scene();
  scene.background = new Color(0xbfd4e6);
  const terrains = new Group(); // scale.y is the height exaggeration
  scene.add(terrains);

  const primaryMesh = buildMesh(primary, width);
  terrains.add(primaryMesh);
  const surroundingMeshes = level.surroundings.map((s) => {
    const mesh = buildMesh(s, width);
    terrains.add(mesh);
    return { terrain: s, mesh };
  });

  // Sky/ground fill keeps slopes facing away from the sun readable.
  scene.add(new HemisphereLight(0xdde8ff, 0x5a4a3a, 0.9));
  scene.add(new AmbientLight(0xffffff, 0.15));
  const sunLight = new DirectionalLight(0xffffff, 2.2);
  scene.add(sunLight, sunLight.target);
  const sun = { azimuth: 225, elevation: 40 };
  const sunDistance = Math.max(width, 1) * 3;
  function setSun(change) {
    Object.assign(sun, change);
    const [x, y, z] = sunDirection(sun.azimuth, sun.elevation);
    sunLight.position.set(x * sunDistance, y * sunDistance, z * sunDistance);
    requestRender();
  }

  const aspect = () => (container.clientWidth || window.innerWidth) / (container.clientHeight || window.innerHeight);
  let minH = primary.min;
  let maxH = primary.max;
  for (const s of level.surroundings) { minH = Math.min(minH, s.min); maxH = Math.max(maxH, s.max); }
  const reach = width * 2.5; // far corners of the outer ring of terrains
  const camera = new PerspectiveCamera(FOV, aspect(), 1, 10);
  const controls = new OrbitControls(camera, renderer.domElement);
  controls.enableDamping = true;
  controls.screenSpacePanning = false; // pan across the ground, not the screen
  controls.maxPolarAngle = Math.PI / 2 - 0.02;
  controls.addEventListener('change', () => requestRender());

  let exaggeration = 1;
  function resetView() {
    const start = startCamera(width, primary.min * exaggeration, primary.max * exaggeration, FOV, aspect());
    camera.near = Math.max(start.distance / 2000, 1e-3);
    camera.far = start.distance * 4 + reach * 2 + (maxH - minH) * 5;
    camera.updateProjectionMatrix();
    camera.position.set(...start.position);
    controls.target.set(...start.target);
    controls.minDistance = camera.near * 10;
    controls.maxDistance = camera.far / 2;
    controls.update();
    requestRender();
  }
  function setExaggeration(v) {
    // Keep the view on the same ground: move camera and target with the
    // primary terrain's mid height as it is stretched.
    const mid = (primary.min + primary.max) / 2;
    const dy = mid * (v - exaggeration);
    exaggeration = v;
    terrains.scale.y = v;
    camera.position.y += dy;
    controls.target.y += dy;
    controls.update();
    requestRender();
  }

  // Textures: every image is decoded before the first frame counts as ready,
  // so a screenshot taken on marvanePreviewReady shows the final picture.
  const loader = new TextureLoader();
  const textures = {};
  const jobs = [];
  const want = (uri, what, apply) => {
    if (!uri) return;
    jobs.push(loadTexture(loader, uri).then(apply, () => level.notes.push(`${what}: image could not be decoded; drawn in grey`)));
  };
  want(primary.colour, 'primary colour', (t) => { textures.colour = t; });
  want(primary.detail, 'primary detail map', (t) => { textures.detail = t; });
  for (const { terrain, mesh } of surroundingMeshes) {
    want(terrain.colour, `surrounding ${terrain.name} colour`, (t) => {
      mesh.material.map = t;
      mesh.material.color.set(0xffffff);
      mesh.material.needsUpdate = true;
    });
  }
  await Promise.all(jobs);

  function showDetail(on) {
    const map = (on ? textures.detail : textures.colour) || null;
    primaryMesh.material.map = map;
    primaryMesh.material.color.set(map ? 0xffffff : GREY);
    primaryMesh.material.needsUpdate = true;
    requestRender();
  }
  showDetail(false);

  buildPanel(level, {
    resetView, setSun, setExaggeration, showDetail, sun: { ...sun },
    hasDetail: Boolean(textures.detail),
  });
  setSun({});
  resetView();
  loaded = true;

  window.addEventListener('resize', () => {
    camera.aspect = aspect();
    camera.updateProjectionMatrix();
    renderer.setSize(container.clientWidth || window.innerWidth, container.clientHeight || window.innerHeight);
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
