// Pure helpers for the preview viewer: decoding and checking the level data
// block and turning a height grid into mesh arrays. Nothing here touches
// three.js or the DOM, so it runs under plain node for the tests.

// Compass position of each neighbour, as marvane_preview names them.
export const NEIGHBOUR_CELLS = {
  L1D1: [-1, 1], D1: [0, 1], R1D1: [1, 1], R1: [1, 0],
  R1U1: [1, -1], U1: [0, -1], L1U1: [-1, -1], L1: [-1, 0],
};

// Bounds on the grid size. A side of 2 is the smallest surface; the upper
// bound, the painter's size limit, comes with the data ("largestSide") and
// keeps a corrupt "side" from asking the browser for gigabytes.
export const MIN_SIDE = 2;

export function decodeBase64(text) {
  if (typeof text !== 'string') throw new Error('heights are not a base64 string');
  // atob rejects anything outside the base64 alphabet, so a damaged block
  // fails loudly here instead of producing a plausible-looking terrain.
  const binary = atob(text.replace(/\s+/g, ''));
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; i++) bytes[i] = binary.charCodeAt(i);
  return bytes;
}

// Decodes N*N little-endian float32 heights. Non-finite values would poison
// the normals and the bounding sphere (the whole mesh vanishes), so they are
// replaced by the lowest finite height and counted for the notes panel.
export function decodeHeights(text, side) {
  const bytes = decodeBase64(text);
  const expected = side * side * 4;
  if (bytes.length !== expected) {
    throw new Error(`heights hold ${bytes.length} bytes, expected ${expected} for a ${side}x${side} grid`);
  }
  const view = new DataView(bytes.buffer);
  const heights = new Float32Array(side * side);
  let nonFinite = 0;
  let min = Infinity;
  let max = -Infinity;
  for (let i = 0; i < heights.length; i++) {
    const h = view.getFloat32(i * 4, true);
    heights[i] = h;
    if (Number.isFinite(h)) {
      if (h < min) min = h;
      if (h > max) max = h;
    } else {
      nonFinite++;
    }
  }
  if (min === Infinity) { min = 0; max = 0; }
  if (nonFinite > 0) {
    for (let i = 0; i < heights.length; i++) if (!Number.isFinite(heights[i])) heights[i] = min;
  }
  return { heights, min, max, nonFinite };
}

// Only embedded images are accepted: the page must work from disk with no
// network, and a remote or file URL would either fail or leak a request.
export function isImageDataUri(value) {
  return typeof value === 'string' && /^data:image\/(png|jpeg|jpg|webp|gif|bmp);base64,/i.test(value);
}

function checkGrid(t, what, largestSide) {
  if (!Number.isInteger(t.side) || t.side < MIN_SIDE || t.side > largestSide) {
    throw new Error(`${what}: side ${JSON.stringify(t.side)} is not an integer in ${MIN_SIDE}..${largestSide}`);
  }
  if (typeof t.spacing !== 'number' || !Number.isFinite(t.spacing) || t.spacing <= 0) {
    throw new Error(`${what}: spacing ${JSON.stringify(t.spacing)} is not a positive number`);
  }
  const decoded = decodeHeights(t.heights, t.side);
  if (decoded.nonFinite > 0) {
    decoded.note = `${what}: ${decoded.nonFinite} height value(s) were not finite numbers and are drawn at the lowest height`;
  }
  // What the live blend needs: the painter's slopes, the height that fills
  // its height table, and the side of the map it paints.
  decoded.ground = null;
  if (t.slopes !== undefined && t.heightRange > 0 && Number.isInteger(t.mapSide) && t.mapSide >= 2) {
    const slopes = decodeSlopes(t.slopes, t.side);
    decoded.ground = tablePositions(decoded.heights, slopes, t.heightRange);
    decoded.mapSide = t.mapSide;
  }
  return decoded;
}

function imageOrNull(value, what, notes) {
  if (value === undefined || value === null || value === '') return null;
  if (isImageDataUri(value)) return value;
  notes.push(`${what}: not an embedded image, ignored`);
  return null;
}

// Checks the data block and returns a normalised level. A broken primary
// terrain is fatal (there is nothing to show); a broken surrounding terrain
// is skipped with a note so the author still sees the rest.
export function parseLevel(data) {
  if (!data || typeof data !== 'object') throw new Error('level data is not an object');
  const notes = Array.isArray(data.notes) ? data.notes.map(String) : [];
  const title = typeof data.title === 'string' ? data.title : 'Level preview';
  const largestSide = data.largestSide;
  if (!Number.isInteger(largestSide) || largestSide < MIN_SIDE) {
    throw new Error(`level data: largestSide ${JSON.stringify(largestSide)} is not an integer of at least ${MIN_SIDE}`);
  }

  const p = data.primary;
  if (!p || typeof p !== 'object') throw new Error('level data has no primary terrain');
  const pd = checkGrid(p, 'primary terrain', largestSide);
  if (pd.note) notes.push(pd.note);
  const primary = {
    name: 'primary', column: 0, row: 0, side: p.side, spacing: p.spacing,
    width: (p.side - 1) * p.spacing, ...pd,
    colour: imageOrNull(p.colour, 'primary colour', notes),
    detail: imageOrNull(p.detail, 'primary detail map', notes),
  };
  if (!primary.colour) notes.push('primary terrain has no colour image; drawn in grey');

  const surroundings = [];
  const taken = new Set(['0,0']);
  const list = Array.isArray(data.surroundings) ? data.surroundings : [];
  for (const s of list) {
    const what = `surrounding ${s && typeof s.name === 'string' ? s.name : '(unnamed)'}`;
    try {
      if (!s || typeof s !== 'object') throw new Error('not an object');
      const { column, row } = s;
      if (![-1, 0, 1].includes(column) || ![-1, 0, 1].includes(row) || (column === 0 && row === 0)) {
        throw new Error(`${what}: column/row ${column},${row} is not a neighbouring cell`);
      }
      const key = `${column},${row}`;
      if (taken.has(key)) throw new Error(`${what}: cell ${key} is already occupied, skipped`);
      const named = NEIGHBOUR_CELLS[s.name];
      if (named && (named[0] !== column || named[1] !== row)) {
        notes.push(`${what}: name disagrees with column/row; placed by column/row`);
      }
      const d = checkGrid(s, what, largestSide);
      if (d.note) notes.push(d.note);
      const width = (s.side - 1) * s.spacing;
      if (Math.abs(width - primary.width) > 1e-3 * primary.width) {
        notes.push(`${what}: ${width} units wide, primary is ${primary.width}; edges will not meet`);
      }
      taken.add(key);
      surroundings.push({
        name: typeof s.name === 'string' ? s.name : key, column, row,
        side: s.side, spacing: s.spacing, width, ...d,
        colour: imageOrNull(s.colour, `${what} colour`, notes),
      });
    } catch (e) {
      notes.push(e.message.startsWith(what) ? e.message : `${what}: ${e.message}`);
    }
  }
  return { title, notes, primary, surroundings };
}

// Mesh arrays for one terrain. Axes: +x east, +y up, +z south, so heights
// row 0 (north) lies at the smallest z. Textures keep three.js's default
// flipY, which puts the image's top row at v = 1, i.e. on row 0.
//
// With `skirtBottom` a skirt hangs from the four edges down to that height,
// leaning out by a twentieth of a spacing: where two terrains of different grids meet,
// their edges need not agree, and the skirt fills what would show the sky
// between them, seen from the side or from straight above. Its vertices
// follow the grid's (index side * side on), each with the uv and the grid
// index (`edgeOf`) of the edge vertex it hangs from.
export function terrainArrays(side, spacing, heights, centreX, centreZ, skirtBottom) {
  const half = (side - 1) * spacing / 2;
  const last = side - 1;
  const ring = [];
  if (skirtBottom !== undefined) {
    // The edge vertices in order around the terrain, corners once.
    for (let c = 0; c < last; c++) ring.push(c);                       // north, west to east
    for (let r = 0; r < last; r++) ring.push(r * side + last);         // east, north to south
    for (let c = last; c > 0; c--) ring.push(last * side + c);         // south, east to west
    for (let r = last; r > 0; r--) ring.push(r * side);                // west, south to north
  }
  const count = side * side + ring.length * 2;
  const positions = new Float32Array(count * 3);
  const uvs = new Float32Array(count * 2);
  const edgeOf = new Uint32Array(ring.length * 2);
  for (let r = 0; r < side; r++) {
    for (let c = 0; c < side; c++) {
      const i = r * side + c;
      positions[i * 3] = centreX - half + c * spacing;
      positions[i * 3 + 1] = heights[i];
      positions[i * 3 + 2] = centreZ - half + r * spacing;
      uvs[i * 2] = c / last;
      uvs[i * 2 + 1] = 1 - r / last;
    }
  }
  ring.forEach((edge, k) => {
    const r = Math.floor(edge / side);
    const c = edge % side;
    const outX = c === 0 ? -1 : c === last ? 1 : 0;
    const outZ = r === 0 ? -1 : r === last ? 1 : 0;
    for (const [j, y, lean] of [[0, heights[edge], 0], [1, skirtBottom, spacing / 20]]) {
      const i = side * side + k * 2 + j;
      positions[i * 3] = positions[edge * 3] + outX * lean;
      positions[i * 3 + 1] = y;
      positions[i * 3 + 2] = positions[edge * 3 + 2] + outZ * lean;
      uvs[i * 2] = uvs[edge * 2];
      uvs[i * 2 + 1] = uvs[edge * 2 + 1];
      edgeOf[k * 2 + j] = edge;
    }
  });
  const cells = last * last;
  const triangles = cells * 2 + ring.length * 2;
  const indices = count > 65535 ? new Uint32Array(triangles * 3) : new Uint16Array(triangles * 3);
  let k = 0;
  for (let r = 0; r < last; r++) {
    for (let c = 0; c < last; c++) {
      const a = r * side + c;   // north-west corner of the cell
      const b = a + side;       // south-west
      // Counter-clockwise seen from above, so the front faces point up.
      indices[k++] = a; indices[k++] = b; indices[k++] = a + 1;
      indices[k++] = b; indices[k++] = b + 1; indices[k++] = a + 1;
    }
  }
  for (let j = 0; j < ring.length; j++) {
    const top = side * side + j * 2;
    const next = side * side + ((j + 1) % ring.length) * 2;
    indices[k++] = top; indices[k++] = next; indices[k++] = top + 1;
    indices[k++] = next; indices[k++] = next + 1; indices[k++] = top + 1;
  }
  return { positions, uvs, indices, edgeOf };
}

// Unit vector towards the sun. Azimuth is a compass bearing in degrees
// (0 north, 90 east), elevation is degrees above the horizon.
export function sunDirection(azimuthDeg, elevationDeg) {
  const az = azimuthDeg * Math.PI / 180;
  const el = elevationDeg * Math.PI / 180;
  return [Math.sin(az) * Math.cos(el), Math.sin(el), -Math.cos(az) * Math.cos(el)];
}

// Starting camera: from the south-east, 35 degrees above the horizon, far
// enough back that the whole primary terrain fits the vertical field of view.
// The closest camera on that line that still has all eight corners of the
// terrain's box inside its view (a frustum, not a sphere, so the terrain
// fills the picture), with a small margin.
export function startCamera(width, minHeight, maxHeight, fovDeg, aspect) {
  const target = [0, (minHeight + maxHeight) / 2, 0];
  const radius = Math.hypot(width / 2, width / 2, (maxHeight - minHeight) / 2) || 1;
  const tanV = Math.tan(fovDeg * Math.PI / 360);
  const tanH = tanV * (aspect > 0 ? aspect : 1);
  const el = 35 * Math.PI / 180;
  const d = [Math.SQRT1_2 * Math.cos(el), Math.sin(el), Math.SQRT1_2 * Math.cos(el)];
  // Camera axes: forward towards the target, right level, up the rest.
  const forward = d.map((v) => -v);
  const right = [-forward[2], 0, forward[0]].map((v, _, a) => v / Math.hypot(...a));
  const up = [
    right[1] * forward[2] - right[2] * forward[1],
    right[2] * forward[0] - right[0] * forward[2],
    right[0] * forward[1] - right[1] * forward[0],
  ];
  const corners = [];
  for (const x of [-width / 2, width / 2]) {
    for (const z of [-width / 2, width / 2]) {
      for (const y of [minHeight, maxHeight]) corners.push([x, y, z]);
    }
  }
  const dot = (a, b) => a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
  const fits = (distance) => corners.every((corner) => {
    const rel = corner.map((c, i) => c - (target[i] + d[i] * distance));
    const depth = dot(rel, forward);
    return depth > 0 && Math.abs(dot(rel, right)) <= tanH * depth &&
      Math.abs(dot(rel, up)) <= tanV * depth;
  });
  let near = 0;
  let far = 4 * radius / Math.min(tanV, tanH);
  for (let i = 0; i < 60; i++) {
    const middle = (near + far) / 2;
    if (fits(middle)) far = middle; else near = middle;
  }
  const distance = 1.05 * far;
  const position = target.map((t, i) => t + d[i] * distance);
  return { position, target, distance };
}

// The straight-down map view: half the width and height of the ground it
// shows (world units) so that a square of side `extent` fills the view with
// a small margin, whatever the window's shape.
export function mapFrame(extent, aspect) {
  const a = aspect > 0 ? aspect : 1;
  const halfHeight = 0.52 * extent * Math.max(1, 1 / a);
  return { halfWidth: halfHeight * a, halfHeight };
}

// A scale bar of a round length (1, 2 or 5 times a power of ten metres)
// close to `targetPixels` long, at `metresPerPixel`.
export function scaleBar(metresPerPixel, targetPixels) {
  if (!(metresPerPixel > 0) || !Number.isFinite(metresPerPixel)) return null;
  const wanted = metresPerPixel * targetPixels;
  const power = 10 ** Math.floor(Math.log10(wanted));
  const metres = [5, 2, 1].map((m) => m * power).find((m) => m <= wanted) || power;
  const label = metres >= 1000 ? `${metres / 1000} km` : `${metres} m`;
  return { metres, pixels: metres / metresPerPixel, label };
}

// The page's address sets what it shows, so a view can be bookmarked and
// scripted: #view=orbit|map&layer=colour|detail&light=sun|neutral|flat&rules=TEXT
// (TEXT a percent-encoded materials.txt). Unknown keys and values are
// reported and left at their defaults.
export const VIEW_CHOICES = {
  view: ['orbit', 'map'],
  layer: ['colour', 'detail'],
  light: ['sun', 'neutral', 'flat'],
};

export function parseViewState(hash) {
  const state = { view: 'orbit', layer: 'colour', light: 'sun', rules: null };
  const problems = [];
  const text = String(hash || '').replace(/^#/, '');
  for (const part of text.split('&')) {
    if (!part) continue;
    const eq = part.indexOf('=');
    const key = eq < 0 ? part : part.slice(0, eq);
    let value;
    try {
      value = decodeURIComponent((eq < 0 ? '' : part.slice(eq + 1)).replace(/\+/g, ' '));
    } catch {
      problems.push(`address: ${key} is not percent-encoded text, ignored`);
      continue;
    }
    if (key === 'rules') {
      state.rules = value;
    } else if (VIEW_CHOICES[key]) {
      if (VIEW_CHOICES[key].includes(value)) state[key] = value;
      else problems.push(`address: ${key}=${value} is not one of ${VIEW_CHOICES[key].join(', ')}, ignored`);
    } else {
      problems.push(`address: ${key} is not known, ignored`);
    }
  }
  return { state, problems };
}

export function formatViewState(state) {
  let text = `view=${state.view}&layer=${state.layer}&light=${state.light}`;
  if (state.rules !== null && state.rules !== undefined) text += `&rules=${encodeURIComponent(state.rules)}`;
  return `#${text}`;
}

// --- live materials: the painter's blend, from the rules ---

// Entries of a gradient table; its positions run from 0 to 511.
export const TABLE = 512;
const LAST = TABLE - 1;
// The painter's highest table position, 510.9999 in single precision.
const TOP = Math.fround(510.9999);

// 16-bit little-endian slopes in 1/65535 of a right angle.
export function decodeSlopes(text, side) {
  const bytes = decodeBase64(text);
  if (bytes.length !== side * side * 2) {
    throw new Error(`slopes hold ${bytes.length} bytes, expected ${side * side * 2} for a ${side}x${side} grid`);
  }
  const slopes = new Float32Array(side * side);
  for (let i = 0; i < slopes.length; i++) slopes[i] = (bytes[i * 2] | (bytes[i * 2 + 1] << 8)) / 65535;
  return slopes;
}

// Where each vertex looks the painter's tables up: its height position and
// its slope position, 0 to 510.9999 each, as the painter clamps them.
export function tablePositions(heights, slopes, heightRange) {
  const out = new Float32Array(heights.length * 2);
  const clamp = (v) => (v > 0 ? Math.min(Math.fround(v), TOP) : 0);
  for (let i = 0; i < heights.length; i++) {
    out[i * 2] = clamp(heights[i] / heightRange * LAST);
    out[i * 2 + 1] = clamp(slopes[i] * LAST);
  }
  return out;
}

// The rules' grammar, as marvane_materials reads data/materials.txt:
//   high 650 m .. 750 m | high 0 at -5 m, 1 at 2 m | steep 30 deg .. 40 deg | steep 0
// Returns { high, steep } (each null or { kind, points: [{ at, share }], line })
// or throws an Error whose message names the line and what was expected.
export function parseRules(text, name = 'materials.txt') {
  const rules = { high: null, steep: null };
  const lines = String(text).split('\n');
  lines.forEach((whole, index) => {
    const number = index + 1;
    const fail = (why) => { throw new Error(`ERROR: ${name} line ${number}: expected ${why}`); };
    const line = whole.split('#')[0].replace(/\u00b0/g, ' deg ');
    const tokens = [];
    const pattern = /\s*(?:(\.\.)|(,)|([-+]?(?:\d+(?:\.\d+)?|\.\d+))|([A-Za-z]+)|(\S))/gy;
    let match;
    while (pattern.lastIndex < line.length && (match = pattern.exec(line))) {
      if (match[5] !== undefined) {
        throw new Error(`ERROR: ${name} line ${number}: cannot read a character "${match[5]}"; a rule reads like "high 650 m .. 750 m"`);
      }
      if (match[1]) tokens.push({ type: 'range' });
      else if (match[2]) tokens.push({ type: 'comma' });
      else if (match[3] !== undefined) tokens.push({ type: 'number', value: Number(match[3]), text: match[3] });
      else if (match[4]) tokens.push({ type: 'word', text: match[4] });
    }
    if (tokens.length === 0) return;
    const first = tokens[0];
    const kind = first.type === 'word' && (first.text === 'high' || first.text === 'steep') ? first.text : null;
    if (!kind) fail(`"high" or "steep" at the start of a rule, found "${first.text ?? first.type}"`);
    if (rules[kind]) fail(`one ${kind} rule, found a second (the first is on line ${rules[kind].line})`);
    const unit = kind === 'high' ? 'm' : 'deg';
    const quantity = kind === 'high' ? 'height' : 'slope';
    const example = kind === 'high' ? '"high 650 m .. 750 m" or "high 0 at 40 m, 1 at 60 m"'
      : '"steep 30 deg .. 40 deg" or "steep 0 at 30 deg, 1 at 40 deg"';
    let at = 1;
    const peek = () => tokens[at] || { type: 'end' };
    const found = () => (peek().type === 'end' ? 'the end of the line' : `"${peek().text ?? (peek().type === 'range' ? '..' : ',')}"`);
    const expected = (what) => fail(`${what}, found ${found()}; a rule reads like ${example}`);
    const number_ = () => (peek().type === 'number' ? tokens[at++].value : null);
    const takeUnit = () => {
      if (peek().type === 'word' && peek().text === unit) { at++; return; }
      fail(`the unit "${unit}" after the ${quantity}, found ${found()}`);
    };
    const isShare = (v) => v >= 0 && v <= 1;
    const points = [];
    const value = number_();
    if (value === null) expected(`a share from 0 to 1 or a ${quantity}`);
    if (peek().type === 'end') {
      if (!isShare(value)) fail(`a share from 0 (none) to 1 (all), found ${value}`);
      points.push({ at: 0, share: value });
    } else if (peek().type === 'comma' && tokens[at + 1] && tokens[at + 1].type === 'number') {
      fail('a decimal point, found a comma (write "0.5", not "0,5")');
    } else if (peek().type === 'word' && peek().text === 'at') {
      let share = value;
      for (;;) {
        if (!isShare(share)) fail(`a share from 0 (none) to 1 (all), found ${share}`);
        at++;
        const place = number_();
        if (place === null) expected(`the ${quantity} after "at"`);
        takeUnit();
        if (points.length && place < points[points.length - 1].at) {
          fail(`points in rising order of ${quantity} (${place} ${unit} comes after ${points[points.length - 1].at} ${unit})`);
        }
        points.push({ at: place, share });
        if (peek().type === 'end') break;
        if (peek().type !== 'comma') expected('"," and another point');
        at++;
        share = number_();
        if (share === null) expected('a share from 0 to 1 after ","');
        if (!(peek().type === 'word' && peek().text === 'at')) expected('"at" after the share');
      }
    } else {
      takeUnit();
      if (peek().type !== 'range') expected(`".." and the ${quantity} where the band ends`);
      at++;
      const last = number_();
      if (last === null) expected(`the ${quantity} where the band ends`);
      takeUnit();
      if (peek().type !== 'end') expected('the end of the line');
      if (last < value) fail(`a band from the lower ${quantity} to the higher (${value} is above ${last})`);
      points.push({ at: value, share: 0 }, { at: last, share: 1 });
    }
    rules[kind] = { kind, points, line: number };
  });
  return rules;
}

// The share of a rule at a height or slope: straight between points, level
// beyond the ends; where two points share a place the later one holds.
export function shareAt(rule, at) {
  const p = rule.points;
  if (p.length === 0) return 0;
  if (at < p[0].at) return p[0].share;
  for (let i = p.length - 1; i > 0; i--) {
    if (at >= p[i].at) return p[i].share;
    if (at >= p[i - 1].at) return p[i - 1].share + (p[i].share - p[i - 1].share) * ((at - p[i - 1].at) / (p[i].at - p[i - 1].at));
  }
  return p[0].share;
}

// A rule as a line of the grammar, as marvane_materials writes it.
export function formatRule(rule) {
  const unit = rule.kind === 'high' ? 'm' : 'deg';
  const n = (v) => String(Number(v.toFixed(6)));
  const p = rule.points;
  if (p.length === 1 && p[0].at === 0) return `${rule.kind} ${n(p[0].share)}`;
  if (p.length === 2 && p[0].share === 0 && p[1].share === 1) return `${rule.kind} ${n(p[0].at)} ${unit} .. ${n(p[1].at)} ${unit}`;
  return `${rule.kind} ${p.map((q) => `${n(q.share)} at ${n(q.at)} ${unit}`).join(', ')}`;
}

const shareByte = (share) => (!(share > 0) ? 0 : share >= 1 ? 255 : Math.floor(share * 255 + 0.5));
const ONE_255 = Math.fround(0.003921569);

// The painter's two tables (512 entries each, height then slope) for the
// rules, as marvane_materials would write them: entry k of the height table
// at base + k / 511 × fullScale metres, of the slope table at k / 511 × 90
// degrees; a kind without a rule keeps the table the page was written with.
export function rulesTables(rules, materials) {
  const tables = new Float32Array(TABLE * 2);
  for (let k = 0; k < TABLE; k++) {
    const height = materials.base + k / LAST * materials.fullScale;
    const hb = rules.high ? shareByte(shareAt(rules.high, height)) : materials.heightGradient[k];
    const sb = rules.steep ? shareByte(shareAt(rules.steep, k / LAST * 90)) : materials.angleGradient[k];
    tables[k] = Math.fround(hb * ONE_255);
    tables[TABLE + k] = Math.fround(sb * ONE_255);
  }
  return tables;
}

function lookUp(tables, offset, position) {
  const k = Math.floor(position);
  const a = tables[offset + k];
  return Math.fround(a + Math.fround(Math.fround(tables[offset + k + 1] - a) * Math.fround(position - k)));
}

// Mean weights of low, high and steep ground over a terrain's grid, each
// vertex standing for the ground around it (half at an edge, a quarter at a
// corner), 0 to 1 each.
export function meanShares(positions, side, tables) {
  let low = 0; let high = 0; let steep = 0; let total = 0;
  for (let r = 0; r < side; r++) {
    const wr = r === 0 || r === side - 1 ? 0.5 : 1;
    for (let c = 0; c < side; c++) {
      const w = wr * (c === 0 || c === side - 1 ? 0.5 : 1);
      const i = r * side + c;
      const L = lookUp(tables, 0, positions[i * 2]);
      const A = lookUp(tables, TABLE, positions[i * 2 + 1]);
      low += w * (1 - L) * (1 - A);
      high += w * (1 - A) * L;
      steep += w * A;
      total += w;
    }
  }
  return { low: low / total, high: high / total, steep: steep / total };
}

// The materials block of the page, checked; null when the page cannot
// blend live (the notes say why).
export function parseMaterials(data, notes) {
  if (!data || data.live !== true) return null;
  try {
    for (const key of ['low', 'high', 'steep']) {
      if (!isImageDataUri(data[key])) throw new Error(`the ${key} texture is not an embedded image`);
    }
    const heightGradient = decodeBase64(data.heightGradient);
    const angleGradient = decodeBase64(data.angleGradient);
    if (heightGradient.length !== TABLE || angleGradient.length !== TABLE) throw new Error('a gradient table is not 512 bytes');
    if (!(data.fullScale > 0)) throw new Error('the height table spans no height');
    const base = typeof data.base === 'number' && Number.isFinite(data.base) ? data.base : 0;
    return {
      low: data.low, high: data.high, steep: data.steep, heightGradient, angleGradient,
      base, hasBase: typeof data.base === 'number', fullScale: data.fullScale,
      rules: typeof data.rules === 'string' ? data.rules : '',
      rulesFrom: typeof data.rulesFrom === 'string' ? data.rulesFrom : '',
      mirror: typeof data.mirror === 'boolean' ? data.mirror : true,
    };
  } catch (e) {
    notes.push(`live materials off: ${e.message}`);
    return null;
  }
}
