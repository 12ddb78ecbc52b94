// The page in headless chromium, typed with real key events: nihao Space writes 你好 into the
// practice area, zhongguo shows 中国 among the candidates, the numeric pad types ＫＸ strokes.
// node BrowserTyping.mjs SITE_DIR OUTPUT_DIR [CHROMIUM]; a screenshot is left in OUTPUT_DIR.
import fs from 'node:fs';
import path from 'node:path';
import { openSite } from './LocalChromium.mjs';

const [siteArgument, output, chromium = '/usr/bin/chromium'] = process.argv.slice(2);
if (!output) {
  console.error('usage: node BrowserTyping.mjs SITE_DIR OUTPUT_DIR [CHROMIUM]');
  process.exit(2);
}
const site = path.resolve(siteArgument);
fs.mkdirSync(output, { recursive: true });

const { address, browser, close } = await openSite(site, chromium, 'dazi-web-chromium-');

let passed = 0;
let failed = 0;
async function check(name, body) {
  try {
    await body();
    ++passed;
    console.log(`ok ${name}`);
  } catch (error) {
    ++failed;
    console.log(`FAIL ${name}: ${error.message}`);
  }
}

const textOf = (selector) => `document.querySelector(${JSON.stringify(selector)}).textContent`;
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 900, height: 700 });
  const problems = [];
  page.on('pageerror', (error) => problems.push(error.message));
  await page.goto(address);
  await page.evaluate(() => window.dazi.ready);

  await check('dazi.send answers the console JSON', async () => {
    const answer = JSON.parse(await page.evaluate(() => window.dazi.send('nihao')));
    if (!answer.candidates.some((c) => c.text === '你好')) throw new Error(`no 你好 in ${JSON.stringify(answer.candidates)}`);
    await page.evaluate(() => window.dazi.send('{Esc}'));
  });
  await check('nihao Space types 你好', async () => {
    await page.focus('#area');
    await page.keyboard.type('nihao');
    await page.keyboard.press('Space');
    await page.waitForFunction(`${textOf('#text')} === '你好'`, { timeout: 20000 });
  });
  await check('zhongguo shows 中国 first', async () => {
    await page.keyboard.type('zhongguo');
    await page.waitForFunction(`${textOf('#candidates li')}.includes('中国')`, { timeout: 20000 });
    await page.screenshot({ path: path.join(output, 'web-page.png') });
    await page.keyboard.press('Space');
    await page.waitForFunction(`${textOf('#text')} === '你好中国'`, { timeout: 20000 });
  });
  await check('the numeric pad types strokes with NumLock on and off', async () => {
    await page.evaluate(() => window.dazi.send(':keypad'));
    // The pad's 1 as NumLock off sends it (key End), its 2 as NumLock on does (key 2): the code
    // names the pad key either way.
    await page.keyboard.press('Numpad1');
    await page.keyboard.down('Shift');
    await page.keyboard.press('Numpad2');
    await page.keyboard.up('Shift');
    await page.waitForFunction(`${textOf('#input-line')} === '12'`, { timeout: 20000 });
    await page.screenshot({ path: path.join(output, 'web-page-keypad.png') });
    await page.keyboard.press('Numpad0');
    await page.waitForFunction(`${textOf('#text')}.length === 5`, { timeout: 20000 });
  });
  await check('a 360-pixel-wide window shows the card without scrolling sideways', async () => {
    await page.setViewport({ width: 360, height: 640 });
    await page.evaluate(() => window.dazi.send(':pinyin'));
    await page.keyboard.type('ni');
    await page.waitForFunction(`${textOf('#candidates')}.includes('你')`, { timeout: 20000 });
    const wide = await page.evaluate(() => document.documentElement.scrollWidth);
    await page.screenshot({ path: path.join(output, 'web-page-360.png') });
    if (wide > 360) throw new Error(`the page is ${wide} px wide`);
  });
  await check('a lesson chosen from 课程 shows its target and figures', async () => {
    await page.setViewport({ width: 900, height: 700 });
    await page.evaluate(() => window.dazi.send('{Esc}'));
    await page.click('nav button[data-view="lessons"]');
    await page.waitForSelector('#lesson-list button', { timeout: 20000 });
    await page.click('#lesson-list button');
    await page.waitForFunction(`${textOf('#lesson-bar')}.includes('进度 0/')`, { timeout: 20000 });
    await page.keyboard.type('meitian');
    await page.keyboard.press('Space');
    await page.waitForFunction(`${textOf('#lesson-bar')}.includes('进度 2/')`, { timeout: 20000 });
    await page.screenshot({ path: path.join(output, 'web-page-lesson.png') });
    // 20 characters or more are stored in the history when the lesson ends.
    const stored = await page.evaluate(async () => {
      for (const line of ['zaoshang', ' ', 'liudianban', ' ', ',', 'wodenaozhong', ' ', 'jiuhuixiangqilai', ' ', '.', 'woxianheyibeiwenshui', ' ']) {
        await window.dazi.send(line);
      }
      await window.dazi.send(':lesson end');
      return (await window.dazi.history('article-01')).sessions.length;
    });
    if (stored !== 1) throw new Error(`${stored} sessions stored`);
  });
  // Learning writes a word after its second time (docs/user-files.md).
  const learn = (tab, keys) => tab.evaluate(async (line) => {
    await window.dazi.send('{Esc}');
    await window.dazi.send(':clear');
    await window.dazi.send(line);
    await window.dazi.send(line);
    await window.dazi.saved();
  }, keys);
  const firstCandidate = (tab, keys) => tab.evaluate(async (line) => {
    await window.dazi.send('{Esc}');
    const answer = JSON.parse(await window.dazi.send(line));
    await window.dazi.send('{Esc}');
    // kind 3 user word, 4 learned word
    const first = answer.candidates[0];
    return first ? `${first.text}/${first.kind === 3 || first.kind === 4 ? 'user' : first.kind}` : '';
  }, keys);
  const other = await browser.newPage();
  await check('two tabs: the second waits for the user files, then keeps both tabs\' words', async () => {
    await page.setViewport({ width: 900, height: 700 });
    await learn(page, 'da1zi1,');
    const inFirst = await firstCandidate(page, 'dazi');
    if (inFirst !== '大自/user') throw new Error(`the first tab offers ${inFirst}`);
    other.on('pageerror', (error) => problems.push(error.message));
    await other.goto(address);
    await other.waitForFunction("document.getElementById('loading').textContent.includes('另一个标签页')", { timeout: 20000 });
    await page.close();
    await other.evaluate(() => window.dazi.ready);
    await learn(other, 'shu1ru1,');
    const words = [await firstCandidate(other, 'dazi'), await firstCandidate(other, 'shuru')];
    if (words.join(' ') !== '大自/user 数如/user') throw new Error(`learned words offered: ${words.join(' ')}`);
  });
  await check('the learned words and the lesson history survive a reload', async () => {
    await other.reload();
    await other.evaluate(() => window.dazi.ready);
    const words = [await firstCandidate(other, 'dazi'), await firstCandidate(other, 'shuru')];
    if (words.join(' ') !== '大自/user 数如/user') throw new Error(`after the reload: ${words.join(' ')}`);
    const sessions = (await other.evaluate(() => window.dazi.history('article-01'))).sessions;
    if (sessions.length !== 1 || sessions[0].chars < 20) throw new Error(`lesson history after the reload: ${JSON.stringify(sessions)}`);
  });
  await check('the word editor adds a word that typing offers at once, and deletes it', async () => {
    const added = await other.evaluate(async () => {
      const tree = await window.dazi.words('add 0 双拼练习');
      return { message: tree.message, words: tree.categories[0].words.map((w) => w.trim()) };
    });
    if (!added.words.includes('双拼练习')) throw new Error(`not added: ${JSON.stringify(added)}`);
    await other.click('nav button[data-view="words"]');
    await other.waitForFunction(`${textOf('#word-tree')}.includes('双拼练习')`, { timeout: 20000 });
    await other.screenshot({ path: path.join(output, 'web-page-words.png') });
    await other.click('nav button[data-view="practice"]');
    const offered = await firstCandidate(other, 'shuangpinlianxi');
    if (offered !== '双拼练习/user') throw new Error(`shuangpinlianxi offers ${offered}`);
    const left = await other.evaluate(async () => {
      const open = await window.dazi.words('open');
      const index = open.categories[0].words.findIndex((w) => w.trim() === '双拼练习');
      const tree = await window.dazi.words(`delete 0 ${index}`);
      return tree.categories[0].words.map((w) => w.trim());
    });
    if (left.includes('双拼练习')) throw new Error('still there after deleting');
    const after = await firstCandidate(other, 'shuangpinlianxi');
    if (after === '双拼练习/user') throw new Error('still offered after deleting');
  });
  await check('no script error on the page', async () => {
    if (problems.length) throw new Error(problems.join('; '));
  });
} finally {
  await close();
}
console.log(`screenshots in ${output}`);
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed === 0 ? 0 : 1);
