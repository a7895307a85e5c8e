// Run with: node --test preview/viewer/   (no packages needed)
import test from 'node:test';
import assert from 'node:assert/strict';
import {
  decodeHeights, parseLevel, terrainArrays, sunDirection, startCamera, parseViewState, formatViewState, scaleBar,
} from './level.js';

const b64 = (values) => {
  const view = new DataView(new ArrayBuffer(values.length * 4));
  values.forEach((v, i) => view.setFloat32(i * 4, v, true));
  return Buffer.from(view.buffer).toString('base64');
};
const grid = (side, f) => Array.from({ length: side * side }, (_, i) => f(Math.floor(i / side), i % side));

test('heights are little-endian float32; wrong size is refused; non-finite is flattened and counted', () => {
  const d = decodeHeights(b64([1.5, -2, 300.25, 4]), 2);
  assert.deepEqual([...d.heights], [1.5, -2, 300.25, 4]);
  assert.equal(d.min, -2);
  assert.equal(d.max, 300.25);
  assert.throws(() => decodeHeights(b64([1, 2, 3]), 2), /expected 16/);
  const n = decodeHeights(b64([NaN, 5, Infinity, 7]), 2);
  assert.deepEqual([...n.heights], [5, 5, 5, 7]);
  assert.equal(n.nonFinite, 2);
});

test('row 0 is the north edge, column 0 the west edge, image top on row 0, faces point up', () => {
  const side = 3;
  const { positions, uvs, indices } = terrainArrays(side, 10, Float32Array.from(grid(side, (r, c) => r * 10 + c)), 100, 0);
  const at = (r, c) => { const i = r * side + c; return { x: positions[i * 3], y: positions[i * 3 + 1], z: positions[i * 3 + 2], v: uvs[i * 2 + 1], u: uvs[i * 2] }; };
  assert.deepEqual(at(0, 0), { x: 90, y: 0, z: -10, u: 0, v: 1 });    // north-west
  assert.deepEqual(at(2, 2), { x: 110, y: 22, z: 10, u: 1, v: 0 });   // south-east
  for (let k = 0; k < indices.length; k += 3) {
    const [a, b, c] = [0, 1, 2].map((j) => indices[k + j] * 3);
    const e1 = [positions[b] - positions[a], positions[b + 2] - positions[a + 2]];
    const e2 = [positions[c] - positions[a], positions[c + 2] - positions[a + 2]];
    assert.ok(e1[1] * e2[0] - e1[0] * e2[1] > 0, `triangle ${k / 3} faces down`);
  }
  // More vertices than a 16-bit index can address.
  assert.ok(terrainArrays(257, 1, new Float32Array(257 * 257), 0, 0).indices instanceof Uint32Array);
});

test('broken surroundings are skipped with a note; a broken primary is fatal', () => {
  const h = b64(grid(3, () => 0));
  const level = parseLevel({
    title: 't',
    largestSide: 8192,
    primary: { side: 3, spacing: 5, heights: h, colour: 'https://example.com/x.png' },
    surroundings: [
      { name: 'R1', column: 1, row: 0, side: 3, spacing: 5, heights: h, colour: null },
      { name: 'R1', column: 1, row: 0, side: 3, spacing: 5, heights: h },
      { name: 'D1', column: 0, row: 1, side: 3, spacing: 5, heights: b64([1]) },
      { name: 'U1', column: 0, row: 2, side: 3, spacing: 5, heights: h },
    ],
  });
  assert.equal(level.primary.colour, null);
  assert.deepEqual(level.surroundings.map((s) => s.name), ['R1']);
  assert.equal(level.notes.length, 5, level.notes.join('\n'));
  assert.throws(() => parseLevel({ largestSide: 8192, primary: { side: 3, spacing: 5, heights: b64([1]) } }), /expected 36/);
  assert.throws(() => parseLevel({ largestSide: 8192, primary: { side: 1e6, spacing: 5, heights: h } }), /side/);
  // The limit is the page's: a side just above it is refused, and a page
  // without one shows nothing rather than trusting any side.
  assert.throws(() => parseLevel({ largestSide: 2, primary: { side: 3, spacing: 5, heights: h } }), /side 3 is not an integer in 2\.\.2/);
  assert.throws(() => parseLevel({ primary: { side: 3, spacing: 5, heights: h } }), /largestSide undefined/);
});

test('sun bearing and starting camera use compass directions (north is -z)', () => {
  const close = (a, b) => a.forEach((v, i) => assert.ok(Math.abs(v - b[i]) < 1e-9, `${a} vs ${b}`));
  close(sunDirection(90, 0), [1, 0, 0]);
  close(sunDirection(180, 0), [0, 0, 1]);
  close(sunDirection(0, 90), [0, 1, 0]);
  const cam = startCamera(640, 0, 100, 45, 4 / 3);
  const [dx, dy, dz] = cam.position.map((p, i) => p - cam.target[i]);
  assert.ok(dx > 0 && dz > 0, 'camera should sit south-east of the terrain');
  assert.ok(Math.abs(Math.atan2(dy, Math.hypot(dx, dz)) * 180 / Math.PI - 35) < 1e-9);
  // Every corner of the primary lies inside the view, and one close to its
  // edge: the terrain fills the picture.
  const forward = [-dx, -dy, -dz].map((v) => v / cam.distance);
  const right = [-forward[2], 0, forward[0]].map((v, _, a) => v / Math.hypot(...a));
  const up = [right[1] * forward[2] - right[2] * forward[1], right[2] * forward[0] - right[0] * forward[2],
    right[0] * forward[1] - right[1] * forward[0]];
  const tanV = Math.tan(22.5 * Math.PI / 180);
  let widest = 0;
  for (const [x, z] of [[-320, -320], [320, -320], [-320, 320], [320, 320]]) {
    for (const y of [0, 100]) {
      const rel = [x - cam.position[0], y - cam.position[1], z - cam.position[2]];
      const depth = rel.reduce((s, v, i) => s + v * forward[i], 0);
      const across = Math.abs(rel.reduce((s, v, i) => s + v * right[i], 0)) / (tanV * 4 / 3 * depth);
      const upwards = Math.abs(rel.reduce((s, v, i) => s + v * up[i], 0)) / (tanV * depth);
      assert.ok(across <= 1 && upwards <= 1);
      widest = Math.max(widest, across, upwards);
    }
  }
  assert.ok(widest > 0.9, `the terrain fills only ${widest} of the view`);
});

test('the whole level from the start: each of the nine terrains takes a good part of the view', () => {
  const w = 1000;
  const cam = startCamera(3 * w, 0, 300, 45, 4 / 3);
  const d = cam.position.map((p, i) => p - cam.target[i]);
  const forward = d.map((v) => -v / cam.distance);
  const right = [-forward[2], 0, forward[0]].map((v, _, a) => v / Math.hypot(...a));
  const up = [right[1] * forward[2] - right[2] * forward[1], right[2] * forward[0] - right[0] * forward[2],
    right[0] * forward[1] - right[1] * forward[0]];
  const tanV = Math.tan(22.5 * Math.PI / 180);
  const dot = (a, b) => a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
  const screen = ([x, z]) => {  // -1..1 across and up the view
    const rel = [x - cam.position[0], 150 - cam.position[1], z - cam.position[2]];
    const depth = dot(rel, forward);
    return [dot(rel, right) / (tanV * 4 / 3 * depth), dot(rel, up) / (tanV * depth)];
  };
  for (let row = -1; row <= 1; row++) {
    for (let column = -1; column <= 1; column++) {
      const corners = [[-1, -1], [1, -1], [1, 1], [-1, 1]].map(([a, b]) =>
        screen([column * w + a * w / 2, row * w + b * w / 2]));
      let area = 0;  // shoelace, over the 2 x 2 view
      corners.forEach(([x1, y1], i) => { const [x2, y2] = corners[(i + 1) % 4]; area += x1 * y2 - x2 * y1; });
      const share = Math.abs(area) / 2 / 4;
      assert.ok(share >= 0.01, `terrain ${column},${row} covers ${share} of the view`);
      assert.ok(corners.every(([x, y]) => Math.abs(x) <= 1 && Math.abs(y) <= 1), `terrain ${column},${row} leaves the view`);
    }
  }
});

test('the address sets the view; bad parts are named and left at their defaults', () => {
  const { state, problems } = parseViewState('#view=map&layer=detail&light=flat&rules=high%20650%20m%20..%20750%20m%0A');
  assert.deepEqual(state, { view: 'map', layer: 'detail', light: 'flat', rules: 'high 650 m .. 750 m\n' });
  assert.deepEqual(parseViewState(formatViewState(state)).state, state);
  const bad = parseViewState('#view=side&zoom=3&rules=%E0');
  assert.deepEqual(bad.state, { view: 'orbit', layer: 'colour', light: 'sun', rules: null });
  assert.equal(bad.problems.length, 3, bad.problems.join('\n'));
});

test('skirts close every edge and a scale bar has a round length', () => {
  const side = 3;
  const { positions, indices } = terrainArrays(side, 10, new Float32Array(9).fill(5), 0, 0, -20);
  assert.equal(positions.length / 3, 9 + 8 * 2);
  assert.equal(indices.length / 3, 8 + 8 * 2);
  const bottom = [];
  for (let i = 9; i < 25; i += 2) bottom.push(positions[(i + 1) * 3 + 1]);
  assert.deepEqual(bottom, new Array(8).fill(-20));
  assert.deepEqual(scaleBar(10, 120), { metres: 1000, pixels: 100, label: '1 km' });
  assert.deepEqual(scaleBar(0.3, 120), { metres: 20, pixels: 20 / 0.3, label: '20 m' });
});

test('rules read as marvane_materials reads them, and become its tables', async () => {
  const { parseRules, shareAt, rulesTables, meanShares, formatRule } = await import('./level.js');
  const r = parseRules('# a comment\nhigh 650 m .. 750 m\nsteep 0 at 30 deg, 1 at 40°\n');
  assert.deepEqual(r.high.points, [{ at: 650, share: 0 }, { at: 750, share: 1 }]);
  assert.equal(formatRule(r.steep), 'steep 30 deg .. 40 deg');
  assert.equal(shareAt(r.high, 700), 0.5);
  assert.equal(shareAt(parseRules('high 0 at 5 m, 1 at 5 m').high, 5), 1);  // a step: the later point holds
  for (const [text, message] of [
    ['low 3', /line 1: expected "high" or "steep"/],
    ['\nhigh 1,5 at 3 m', /line 2: expected a decimal point, found a comma/],
    ['steep 30 deg .. 40', /expected the unit "deg"/],
    ['high 2', /a share from 0 \(none\) to 1 \(all\), found 2/],
    ['high 1 at 9 m, 0 at 3 m', /points in rising order of height/],
    ['steep 0\nsteep 1', /line 2: expected one steep rule, found a second \(the first is on line 1\)/],
  ]) assert.throws(() => parseRules(text), message, text);
  // Entry k of the height table stands for base + k / 511 × fullScale metres,
  // rounded to a byte; without a steep rule its table stays as painted.
  const materials = { base: 600, fullScale: 511, heightGradient: new Uint8Array(512), angleGradient: new Uint8Array(512).fill(255) };
  const tables = rulesTables(parseRules('high 650 m .. 750 m'), materials);
  assert.equal(tables[50], 0);
  assert.equal(tables[100], Math.fround(128 * Math.fround(0.003921569)));
  assert.equal(tables[150], Math.fround(255 * Math.fround(0.003921569)));
  assert.equal(tables[512 + 7], Math.fround(255 * Math.fround(0.003921569)));
  // Level ground at entry 100 (700 m), no steep ground: half low, half high.
  const flat = rulesTables(parseRules('high 650 m .. 750 m\nsteep 0'), materials);
  const ground = new Float32Array(9 * 2).map((_, i) => (i % 2 === 0 ? 100 : 0));
  const shares = meanShares(ground, 3, flat);
  assert.ok(Math.abs(shares.low - 0.498) < 1e-3 && Math.abs(shares.high - 0.502) < 1e-3 && shares.steep === 0, JSON.stringify(shares));
});
