// Writes one map picture per entry of data/countries.txt into data/Maps/,
// named by the entry's map picture name followed by "-map.jpg".
//
// Each picture shows the entry's country in a strong fill among its
// neighbours (pale fills, thin dark borders, pale blue sea), with its capital
// marked by a red dot and its name. The projection is equirectangular around
// the country, with longitudes scaled by the cosine of the middle latitude.
// Every picture carries a JPEG comment "Zorvane-Frame: W N XS YS": the
// longitude of the left edge, the latitude of the top edge, and pixels per
// degree across and down, so that x = (lon - W) * XS and y = (N - lat) * YS
// (lon - W taken in 0..360).
//
// Sources: world-atlas countries-50m.json (Natural Earth shapes) and Debian's
// iso-codes (ISO 3166-1 numeric to alpha-2). Needs ImageMagick's convert.
//
// Usage, from the top of the repository (tools/package.json pins the
// world-atlas version, tools/package-lock.json its exact files):
//   (cd tools && npm ci)
//   node tools/make_maps.js
// Options: --atlas FILE, --iso FILE, --out DIR, --only NAME[,NAME...]
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');

const top = path.resolve(__dirname, '..');
const opt = { atlas: require.resolve('world-atlas/countries-50m.json'),
  iso: '/usr/share/iso-codes/json/iso_3166-1.json', out: path.join(top, 'data/Maps'), only: '' };
for (let i = 2; i + 1 < process.argv.length; i += 2) opt[process.argv[i].replace(/^--/, '')] = process.argv[i + 1];

// ---- inputs ----
const topo = JSON.parse(fs.readFileSync(opt.atlas, 'utf8'));
const iso = JSON.parse(fs.readFileSync(opt.iso, 'utf8'))['3166-1'];
const numericOf = {};
for (const e of iso) numericOf[e.alpha_2.toLowerCase()] = e.numeric;

const entries = [];
for (const line of fs.readFileSync(path.join(top, 'data/countries.txt'), 'latin1').split('\r\n').slice(3)) {
  if (!line) continue;
  const f = line.split(',');
  const coord = t => parseFloat(t) * (/[SW]$/.test(t) ? -1 : 1);
  entries.push({ name: f[0], capital: f[7], lat: coord(f[8]), lon: coord(f[9]), map: f[11] });
}

// Shapes by ISO numeric code. Natural Earth splits off a few areas that are
// part of a recognised country; they are highlighted with it.
const joinedTo = { 'N. Cyprus': '196', 'Somaliland': '706', 'Kosovo': 'xk' };
const [sx, sy] = topo.transform.scale, [tx, ty] = topo.transform.translate;
const arcs = topo.arcs.map(a => {
  let x = 0, y = 0;
  return a.map(([dx, dy]) => { x += dx; y += dy; return [x * sx + tx, y * sy + ty]; });
});
const ringOf = r => {
  const pts = [];
  for (const i of r) {
    const a = i >= 0 ? arcs[i] : arcs[~i].slice().reverse();
    pts.push(...(pts.length ? a.slice(1) : a));
  }
  return pts;
};
const shapes = [];  // { key, polys: [[ring, ...], ...] }
for (const g of topo.objects.countries.geometries) {
  const polys = g.type === 'Polygon' ? [g.arcs] : g.type === 'MultiPolygon' ? g.arcs : [];
  const key = joinedTo[g.properties.name] || g.id || g.properties.name;
  shapes.push({ key, polys: polys.map(p => p.map(ringOf)) });
}

// ---- geometry helpers ----
const wrap = d => ((d % 360) + 540) % 360 - 180;  // into -180..180
// A ring's longitudes relative to `c`, made continuous, its first point in -180..180.
function relRing(r, c) {
  const out = [];
  let prev = null;
  for (const [lon, lat] of r) {
    let l = lon - c;
    if (prev === null) l = wrap(l);
    else { while (l - prev > 180) l -= 360; while (l - prev < -180) l += 360; }
    out.push([l, lat]);
    prev = l;
  }
  return out;
}
const boxOf = pts => {
  const b = [Infinity, Infinity, -Infinity, -Infinity];
  for (const [x, y] of pts) { b[0] = Math.min(b[0], x); b[1] = Math.min(b[1], y); b[2] = Math.max(b[2], x); b[3] = Math.max(b[3], y); }
  return b;
};
function inRing(r, x, y) {
  let inside = false;
  for (let i = 0, j = r.length - 1; i < r.length; j = i++) {
    const [xi, yi] = r[i], [xj, yj] = r[j];
    if ((yi > y) !== (yj > y) && x < xi + (y - yi) * (xj - xi) / (yj - yi)) inside = !inside;
  }
  return inside;
}
const inPoly = (p, x, y) => inRing(p[0], x, y) && !p.slice(1).some(h => inRing(h, x, y));
// Area on the unit sphere (the integral of sin(latitude) over longitude).
function ringArea(r) {
  const rad = Math.PI / 180;
  let a = 0;
  for (let i = 0, j = r.length - 1; i < r.length; j = i++)
    a += (r[j][0] - r[i][0]) * rad * (Math.sin(r[j][1] * rad) + Math.sin(r[i][1] * rad)) / 2;
  return a;
}
const gap = (a, b) => Math.max(0, a[0] - b[2], b[0] - a[2], a[1] - b[3], b[1] - a[3]);

// The part of a country to show: the polygon holding the capital (or the one
// nearest to it), grown by the polygons lying close to what is already chosen,
// so that island groups stay together while far territories (Alaska and Hawaii
// for the other US zones, the Azores, Svalbard, French Guiana) are left out.
function countryArea(e, polys) {
  const rel = polys.map(p => p.map(r => relRing(r, e.lon)));
  const boxes = rel.map(p => boxOf(p[0]));
  let anchor = rel.findIndex(p => inPoly(p, 0, e.lat));
  if (anchor < 0) {
    let best = Infinity;
    boxes.forEach((b, i) => { const d = gap(b, [0, e.lat, 0, e.lat]); if (d < best) { best = d; anchor = i; } });
  }
  // Parts within reach of the chosen box join it; so do parts of a size
  // comparable to the first one (a third to three times its area) that lie
  // within their own size of it: East Malaysia beside the peninsula, but not
  // Alaska beside the other states.
  const size = b => Math.max(b[2] - b[0], b[3] - b[1]);
  const areas = rel.map(p => Math.abs(ringArea(p[0])));
  const chosen = new Set([anchor]);
  let box = boxes[anchor].slice();
  for (let grown = true; grown;) {
    grown = false;
    const reach = Math.max(1.5, 0.08 * size(box));
    boxes.forEach((b, i) => {
      if (chosen.has(i)) return;
      const d = gap(b, box);
      const ratio = areas[i] / areas[anchor];
      if (d > reach && !(ratio >= 1 / 3 && ratio <= 3 && d <= Math.min(size(b), size(box)))) return;
      chosen.add(i); grown = true;
      box = [Math.min(box[0], b[0]), Math.min(box[1], b[1]), Math.max(box[2], b[2]), Math.max(box[3], b[3])];
    });
  }
  return { box, capitalInside: rel.some(p => inPoly(p, 0, e.lat)) };
}

// ---- raster ----
const SEA = [190, 220, 245], BORDER = [70, 70, 80], HIGHLIGHT = [240, 150, 110], HIGHLIGHT_BORDER = [190, 90, 60];
const PALE = [[236, 232, 214], [222, 232, 214], [236, 222, 224], [226, 224, 236], [238, 228, 212], [218, 230, 228]];

function render(e, frame, key) {
  const { W, H, west, north, xs, ys } = frame;  // west relative to e.lon
  const img = Buffer.alloc(W * H * 3);
  for (let i = 0; i < W * H; i++) img.set(SEA, 3 * i);
  const set = (x, y, c) => { if (x >= 0 && x < W && y >= 0 && y < H) img.set(c, 3 * (y * W + x)); };
  const proj = (r, shift) => r.map(([l, lat]) => [(l + shift - west) * xs, (north - lat) * ys]);
  const visible = b => b[2] >= -2 && b[0] <= W + 2 && b[3] >= -2 && b[1] <= H + 2;
  const outlines = [], ownOutlines = [];
  shapes.forEach((s, si) => {
    const colour = s.key === key ? HIGHLIGHT : PALE[si % PALE.length];
    for (const p of s.polys) {
      const rel = p.map(r => relRing(r, e.lon));
      for (const shift of [-360, 0, 360]) {
        const rings = rel.map(r => proj(r, shift));
        if (!visible(boxOf(rings[0]))) continue;
        fill(rings, colour, set, W, H);
        (s.key === key ? ownOutlines : outlines).push(...rings);
      }
    }
  });
  // The country's own coast in a darker shade of its fill, drawn last, so that
  // islands too small to fill still show in the highlight.
  for (const r of outlines) line(r, BORDER, set);
  for (const r of ownOutlines) line(r, HIGHLIGHT_BORDER, set);
  return { img };
}

// Even-odd scanline fill at pixel centres.
function fill(rings, c, set, W, H) {
  const b = boxOf(rings.flat());
  for (let y = Math.max(0, Math.floor(b[1])); y <= Math.min(H - 1, Math.ceil(b[3])); y++) {
    const yc = y + 0.5, xs = [];
    for (const r of rings) for (let k = 0; k < r.length; k++) {
      const [x1, y1] = r[k], [x2, y2] = r[(k + 1) % r.length];
      if ((y1 <= yc) !== (y2 <= yc)) xs.push(x1 + (yc - y1) * (x2 - x1) / (y2 - y1));
    }
    xs.sort((a, b) => a - b);
    for (let k = 0; k + 1 < xs.length; k += 2) {
      const from = Math.max(0, Math.ceil(xs[k] - 0.5)), to = Math.min(W, xs[k + 1] - 0.5);
      for (let x = from; x < to; x++) set(x, y, c);
    }
  }
}

function line(r, c, set) {
  for (let k = 0; k + 1 < r.length; k++) {
    const [x1, y1] = r[k], [x2, y2] = r[k + 1];
    const n = Math.max(1, Math.ceil(Math.max(Math.abs(x2 - x1), Math.abs(y2 - y1))));
    if (n > 4000) continue;
    for (let s = 0; s <= n; s++) set(Math.floor(x1 + (x2 - x1) * s / n), Math.floor(y1 + (y2 - y1) * s / n), c);
  }
}

// ---- frame: the window of longitudes and latitudes and the picture size ----
const LONG_SIDE = 640, SHORT_MIN = 400;
function frameFor(box) {
  // A margin of an eighth of the longer side, at least 1.5 degrees.
  let [w, s, east, n] = box;
  const k = Math.cos(((s + n) / 2) * Math.PI / 180);
  const m = Math.max(1.5, 0.125 * Math.max((east - w) * k, n - s));
  w -= m / k; east += m / k; s = Math.max(-85, s - m); n = Math.min(85, n + m);
  let spanX = (east - w) * k, spanY = n - s;  // in degrees of latitude
  const ppd = LONG_SIDE / Math.max(spanX, spanY);
  // Widen the short side to at least SHORT_MIN pixels, around the middle.
  if (spanX * ppd < SHORT_MIN) { const add = (SHORT_MIN / ppd - spanX) / k / 2; w -= add; east += add; spanX = SHORT_MIN / ppd; }
  if (spanY * ppd < SHORT_MIN) { const add = (SHORT_MIN / ppd - spanY) / 2; s -= add; n += add; spanY = SHORT_MIN / ppd; }
  return { W: Math.round(spanX * ppd), H: Math.round(spanY * ppd), west: w, north: n, xs: ppd * k, ys: ppd };
}

// ---- main ----
fs.mkdirSync(opt.out, { recursive: true });
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'zorvane-maps-'));
const only = new Set(opt.only ? opt.only.split(',') : []);
const report = [];
for (const e of entries) {
  if (only.size && !only.has(e.map)) continue;
  const code = e.map.slice(0, 2);
  const key = code === 'xk' ? 'xk' : numericOf[code];
  const mine = shapes.filter(s => s.key === key).flatMap(s => s.polys);
  let box, inside = false;
  if (mine.length) ({ box, capitalInside: inside } = countryArea(e, mine));
  else box = [-4, e.lat - 4, 4, e.lat + 4];  // no shape: a window around the capital
  const frame = frameFor(box);
  const { img } = render(e, frame, key);
  const cx = -frame.west * frame.xs, cy = (frame.north - e.lat) * frame.ys;
  const ppm = path.join(scratch, e.map + '.ppm');
  fs.writeFileSync(ppm, Buffer.concat([Buffer.from(`P6\n${frame.W} ${frame.H}\n255\n`), img]));

  const draw = [];
  // Where the country's land beside the capital is too small to see around
  // the mark, a ring in the highlight colour shows where it is.
  let beside = 0;
  for (let dy = -12; dy <= 12; dy++) for (let dx = -12; dx <= 12; dx++) {
    const r = Math.hypot(dx, dy), x = Math.floor(cx) + dx, y = Math.floor(cy) + dy;
    if (r > 12 || x < 0 || y < 0 || x >= frame.W || y >= frame.H) continue;
    const o = 3 * (y * frame.W + x);
    beside += img[o] === HIGHLIGHT[0] && img[o + 1] === HIGHLIGHT[1] && img[o + 2] === HIGHLIGHT[2];
  }
  const ringed = beside < 60;
  if (ringed) draw.push('-fill', 'none', '-stroke', 'rgb(240,150,110)', '-strokewidth', '3',
    '-draw', `circle ${cx.toFixed(1)},${cy.toFixed(1)} ${(cx + 14).toFixed(1)},${cy.toFixed(1)}`);
  draw.push('-fill', 'rgb(220,20,20)', '-stroke', 'rgb(60,0,0)', '-strokewidth', '1',
    '-draw', `circle ${cx.toFixed(1)},${cy.toFixed(1)} ${(cx + 5).toFixed(1)},${cy.toFixed(1)}`);
  // The capital's name to the right of the dot, or to its left near the right edge.
  const label = e.capital.replace(/%/g, '%%').replace(/^@/, ' @');
  const textWidth = 8 * label.length;
  const gapX = ringed ? 19 : 10;
  const left = cx + gapX + textWidth > frame.W;
  const ty = Math.round(Math.min(Math.max(cy + 5, 16), frame.H - 4));
  const txp = Math.round(left ? Math.max(2, cx - gapX - textWidth) : cx + gapX);
  for (const halo of [true, false]) {
    draw.push('-font', 'DejaVu-Sans-Bold', '-pointsize', '13',
      '-stroke', halo ? 'white' : 'none', '-strokewidth', halo ? '3' : '0', '-fill', 'rgb(30,30,30)',
      '-annotate', `+${txp}+${ty}`, label);
  }
  const west = wrap(frame.west + e.lon);
  const comment = `Zorvane-Frame: ${west.toFixed(4)} ${frame.north.toFixed(4)} ${frame.xs.toFixed(4)} ${frame.ys.toFixed(4)}`;
  const jpg = path.join(opt.out, e.map + '-map.jpg');
  execFileSync('convert', [ppm, ...draw, '-strip', '-set', 'comment', comment, '-sampling-factor', '1x1', '-quality', '80', jpg]);
  fs.unlinkSync(ppm);
  report.push(`${e.map}\t${frame.W}x${frame.H}\t${mine.length ? (inside ? 'capital in shape' : 'capital outside shape') : 'no shape'}${ringed ? ', ringed' : ''}`);
}
fs.rmdirSync(scratch);
process.stdout.write(report.join('\n') + '\n');
