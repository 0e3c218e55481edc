// Writes the political world map picture as a binary PPM on stdout from
// world-atlas countries-110m.json (Natural Earth, public domain): 720 x 320
// pixels, or that times --scale from the same shapes (--scale 2 gives the
// 1440 x 640 picture for screens of twice the pixel density).
//
// Usage, from the top of the repository (tools/package.json pins the
// world-atlas version, tools/package-lock.json its exact files):
//   (cd tools && npm ci)
//   node tools/make_worldmap.js > /tmp/map.ppm && convert /tmp/map.ppm -strip PNG24:resources/worldmap.png
//   node tools/make_worldmap.js --scale 2 > /tmp/map2.ppm && convert /tmp/map2.ppm -strip PNG24:resources/worldmap@2x.png
// Options: --atlas FILE (another countries-110m.json), --scale N (whole number, 1 by default)
const fs = require('fs');
const opt = { atlas: require.resolve('world-atlas/countries-110m.json'), scale: '1' };
for (let i = 2; i + 1 < process.argv.length; i += 2) opt[process.argv[i].replace(/^--/, '')] = process.argv[i + 1];
const S = Number(opt.scale);
if (!Number.isInteger(S) || S < 1) throw new Error(`--scale must be a whole number of at least 1, not ${opt.scale}`);
const topo = JSON.parse(fs.readFileSync(opt.atlas, 'utf8'));
// The picture's projection, in pixels of the 720 x 320 picture: x = 2 per
// degree of longitude from -180; y by the mark scale of the world map window.
const W0 = 720, H0 = 320;
const W = W0 * S, H = H0 * S;
const [sx, sy] = topo.transform.scale, [tx, ty] = topo.transform.translate;
const arcs = topo.arcs.map(a => { let x = 0, y = 0; return a.map(([dx, dy]) => { x += dx; y += dy; return [x * sx + tx, y * sy + ty]; }); });
const px = lon => (lon + 180) * 2 * S;
const py = lat => ((90 - lat) * H0 / 180) * ((0.8 - 0.0022 * lat) * 1.2) * S;
const ring = r => { const pts = []; for (const i of r) { const a = i >= 0 ? arcs[i] : arcs[~i].slice().reverse(); pts.push(...a); } return pts; };
const img = Buffer.alloc(W * H * 3);
for (let i = 0; i < W * H; i++) { img[3 * i] = 190; img[3 * i + 1] = 220; img[3 * i + 2] = 245; }
const pastel = [[250, 232, 180], [214, 240, 196], [246, 210, 214], [226, 214, 244], [250, 222, 190], [204, 232, 228]];
const set = (x, y, c) => { if (x >= 0 && x < W && y >= 0 && y < H) { const o = 3 * (y * W + x); img[o] = c[0]; img[o + 1] = c[1]; img[o + 2] = c[2]; } };
function fill(rings, c) {
  for (let y = 0; y < H; y++) {
    const yc = y + 0.5, xs = [];
    for (const r of rings) for (let k = 0; k < r.length - 1; k++) {
      const [x1, y1] = r[k], [x2, y2] = r[k + 1];
      if ((y1 <= yc) !== (y2 <= yc)) xs.push(x1 + (yc - y1) * (x2 - x1) / (y2 - y1));
    }
    xs.sort((a, b) => a - b);
    for (let k = 0; k + 1 < xs.length; k += 2) for (let x = Math.ceil(xs[k] - 0.5); x < xs[k + 1] - 0.5; x++) set(x, y, c);
  }
}
// Borders are one pixel of the 720 x 320 picture wide: S x S pixels centred on the line.
const half = (S - 1) / 2;
function line(r, c) {
  for (let k = 0; k < r.length - 1; k++) {
    const [x1, y1] = r[k], [x2, y2] = r[k + 1];
    if (Math.abs(x2 - x1) > W / 2) continue;
    const n = Math.max(1, Math.ceil(Math.max(Math.abs(x2 - x1), Math.abs(y2 - y1))));
    for (let s = 0; s <= n; s++) {
      const x = Math.floor(x1 + (x2 - x1) * s / n - half), y = Math.floor(y1 + (y2 - y1) * s / n - half);
      for (let dy = 0; dy < S; dy++) for (let dx = 0; dx < S; dx++) set(x + dx, y + dy, c);
    }
  }
}
const geoms = topo.objects.countries.geometries;
geoms.forEach((g, gi) => {
  const polys = g.type === 'Polygon' ? [g.arcs] : g.type === 'MultiPolygon' ? g.arcs : [];
  for (const p of polys) {
    const rs = p.map(ring);
    // A polygon across the 180th meridian is filled unwrapped, then again one world-width to the left.
    const wraps = rs.some(r => r.some((q, k) => k > 0 && Math.abs(q[0] - r[k - 1][0]) > 180));
    const c = pastel[gi % pastel.length];
    const flat = d => rs.map(r => r.map(([lon, lat]) => [px(wraps && lon < 0 ? lon + 360 : lon) + d, py(lat)]));
    fill(flat(0), c);
    if (wraps) fill(flat(-W), c);
  }
});
for (const a of arcs) line(a.map(([lon, lat]) => [px(lon), py(lat)]), [70, 70, 80]);
process.stdout.write(Buffer.concat([Buffer.from(`P6\n${W} ${H}\n255\n`), img]));
