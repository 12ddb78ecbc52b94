// The page's sizes and speeds in headless chromium: what loads before the first key (gzip),
// page ready from a local server (cold and reload), time per key over a few hundred keys of
// pinyin and keypad typing (median, 99th percentile), the module's heap.
// node PageBench.mjs SITE_DIR [CHROMIUM]
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { openSite } from '../tests/LocalChromium.mjs';

const [siteArgument, chromium = '/usr/bin/chromium'] = process.argv.slice(2);
if (!siteArgument) {
  console.error('usage: node PageBench.mjs SITE_DIR [CHROMIUM]');
  process.exit(2);
}
const site = path.resolve(siteArgument);

// What the page fetches before the first key: the page, the module, the dictionaries, the lessons.
const startFiles = ['index.html', 'dazi.js', 'dazi.css', 'dazi-core.js', 'dazi-core.wasm', 'lessons/index.json',
  ...['zc', 'py', 'pys', 'lm', 'cpy', 'zy'].map((e) => `data/srf_pub.${e}`),
  ...JSON.parse(fs.readFileSync(path.join(site, 'lessons/index.json'), 'utf8')).map((n) => `lessons/${n}`)];
let raw = 0;
let gzip = 0;
const sizes = {};
for (const name of startFiles) {
  const bytes = fs.readFileSync(path.join(site, name));
  const packed = zlib.gzipSync(bytes, { level: 9 }).length;
  raw += bytes.length;
  gzip += packed;
  if (/wasm|data\//.test(name)) sizes[name] = `${(bytes.length / 1e6).toFixed(2)} MB (${(packed / 1e6).toFixed(2)} MB gzip)`;
}
const model = path.join(site, 'data/srf_pub.ngm');
if (fs.existsSync(model)) {
  const bytes = fs.readFileSync(model);
  sizes['data/srf_pub.ngm (智能整句 only)'] = `${(bytes.length / 1e6).toFixed(2)} MB (${(zlib.gzipSync(bytes).length / 1e6).toFixed(2)} MB gzip)`;
}

const { address, browser, close } = await openSite(site, chromium, 'dazi-web-bench-');
const percentile = (sorted, p) => sorted[Math.min(sorted.length - 1, Math.floor((p / 100) * sorted.length))];
try {
  const page = await browser.newPage();
  const blank = (await page.metrics()).JSHeapUsedSize;
  const ready = async () => {
    const begin = Date.now();
    await page.goto(address);
    await page.evaluate(() => window.dazi.ready);
    return Date.now() - begin;
  };
  const cold = await ready();
  const reload = await ready();
  // Keys one at a time, as a typist presses them: each time is the line's whole round trip.
  const keys = await page.evaluate(async () => {
    const lines = [];
    const pinyin = 'woshizhongguorenwoaizhongguo nihaoshijie jintiantianqihenhao womenyiqiqukandianying ';
    for (let round = 0; round < 3; ++round) for (const key of pinyin) lines.push(key);
    lines.push(':keypad');
    const strokes = ['{KP1}', '{KP2}', '{KP0}', '{KP3}', '{KP4}', '{KP7}', '{KP6}', '{KP1}', '{KP8}', '{KP5}', '{KP2}', '{KP0}'];
    for (let round = 0; round < 10; ++round) lines.push(...strokes);
    const times = [];
    for (const line of lines) {
      const begin = performance.now();
      await window.dazi.send(line);
      if (!line.startsWith(':')) times.push(performance.now() - begin);
    }
    return times;
  });
  const heap = await page.evaluate(() => window.dazi.memory());
  const used = (await page.metrics()).JSHeapUsedSize;
  keys.sort((a, b) => a - b);
  console.log('what | figure');
  console.log('---|---');
  console.log(`before the first key | ${(raw / 1e6).toFixed(2)} MB, ${(gzip / 1e6).toFixed(2)} MB gzip`);
  for (const [name, size] of Object.entries(sizes)) console.log(`${name} | ${size}`);
  console.log(`page ready, cold / reload | ${cold} ms / ${reload} ms`);
  console.log(`time per key over ${keys.length} keys, median / 99th percentile / max | ${percentile(keys, 50).toFixed(3)} / ${percentile(keys, 99).toFixed(3)} / ${keys[keys.length - 1].toFixed(3)} ms`);
  console.log(`module heap | ${(heap / 1e6).toFixed(1)} MB`);
  console.log(`JS heap beyond a blank page | ${((used - blank) / 1e6).toFixed(1)} MB`);
} finally {
  await close();
}
