// Run with: node --test preview/viewer/   (no packages needed)
import test from 'node:test';
import assert from 'node:assert/strict';
import { decodeHeights, parseLevel, terrainArrays, sunDirection, startCamera } from './level.js';

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
  assert.throws(() => parseLevel({ primary: { side: 3, spacing: 5, heights: b64([1]) } }), /expected 36/);
  assert.throws(() => parseLevel({ primary: { side: 1e6, spacing: 5, heights: h } }), /side/);
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
