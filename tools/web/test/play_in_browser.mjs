// Plays the browser build in Debian's headless Chromium, with real key
// events, and reads the screen through the page's text for screen readers.
// Usage: node play_in_browser.mjs BUILD_FOLDER (the site is BUILD_FOLDER/site;
// the screenshots go to BUILD_FOLDER).
import { chromium } from 'playwright-core';
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { join, extname } from 'node:path';
import assert from 'node:assert/strict';

const build = process.argv[2] || 'build-web';
const site = join(build, 'site');
const limits = { bytes: 1.5 * 1024 * 1024, firstFrameMs: 1000, idleCpuShare: 0.02 };

// A plain static server that counts what the page loads (no compression).
const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.data': 'application/octet-stream', '.txt': 'text/plain' };
let servedBytes = 0;
const server = createServer(async (request, response) => {
  const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
  try {
    const body = await readFile(join(site, path === '/' ? 'index.html' : path));
    servedBytes += body.length;
    response.writeHead(200, { 'Content-Type': types[extname(path) || '.html'] || 'application/octet-stream' });
    response.end(body);
  } catch {
    response.writeHead(404);
    response.end();
  }
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
const address = `http://127.0.0.1:${server.address().port}/`;

const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
const context = await browser.newContext({ viewport: { width: 1000, height: 560 } });
const page = await context.newPage();
const consoleErrors = [];
page.on('console', (m) => { if (m.type() === 'error' || m.type() === 'warning') consoleErrors.push(m.text()); });
page.on('pageerror', (e) => consoleErrors.push(String(e)));

const results = [];
const figures = [];
async function check(name, body) {
  const started = Date.now();
  try {
    await body();
  } catch (e) {
    // What the player would have seen when it went wrong.
    console.log(`FAIL ${name}\n${await screenText()}`);
    await page.screenshot({ path: join(build, 'failure.png') });
    await browser.close();
    server.close();
    throw e;
  }
  results.push(`ok   ${name} (${Date.now() - started} ms)`);
  console.log(results.at(-1));
}

const screenText = () => page.locator('#text').textContent();
// Waits until the screen shows the text.
async function shows(text, timeout = 10000) {
  await page.waitForFunction((t) => document.getElementById('text').textContent.includes(t), text, { timeout });
}
// The player's cell on the map rows: the face (code page 437 byte 2) in
// yellow; enemies wear the same face in red.
async function player() {
  return page.evaluate(() => {
    for (let y = 0; y < 20; ++y)
      for (let x = 0; x < 80; ++x) {
        const c = page.cell(x, y);
        if (c.glyph === 0x263b && (c.attr & 15) === 14) return { x, y };
      }
    return null;
  });
}
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));
async function hold(keys, ms) {
  for (const k of keys) await page.keyboard.down(k);
  await sleep(ms);
  for (const k of keys) await page.keyboard.up(k);
  await sleep(150);
}
async function tap(key, times = 1) {
  for (let i = 0; i < times; ++i) {
    await page.keyboard.down(key);
    await sleep(40);
    await page.keyboard.up(key);
    await sleep(120);
  }
}
// Escape held skips the fades (splash, introduction) until the text shows.
async function skipTo(text) {
  await page.keyboard.down('Escape');
  await shows(text, 20000);
  await page.keyboard.up('Escape');
}
// Enemies roam where they please: a fight that breaks in is fought to its end
// (Attack, then Enter through its messages). True when there was one.
async function endFight() {
  // A fight begins on a cleared screen: wait until the street or the fight shows.
  await page.waitForFunction(() => document.getElementById('text').textContent.includes('Battle!') ||
    document.getElementById('text').textContent.includes('Current Money'), null, { timeout: 5000 });
  if (!(await screenText()).includes('Battle!')) return false;
  for (let i = 0; i < 300 && !(await player()); ++i) await tap('Enter');
  assert.ok(await player(), 'a fight did not end');
  return true;
}
// A check of walking on the street, made again when a fight broke into it.
async function walking(body) {
  for (let attempt = 1; ; ++attempt) {
    await endFight();
    try {
      await body();
      if (!(await endFight())) return;
    } catch (e) {
      if (!(await endFight()) || attempt === 3) throw e;
    }
    figures.push('a fight broke in; walked again');
  }
}
async function statusPanel() {
  return (await screenText()).split('\n').slice(20).join('\n');
}

let street;
let firstVisitBytes = 0;
await check('the page loads, its first frame comes soon, the title appears', async () => {
  await page.goto(address);
  const firstFrame = await page.waitForFunction(() => performance.getEntriesByName('first-frame')[0]?.startTime,
    null, { timeout: 5000 });
  figures.push(`first frame ${Math.round(await firstFrame.jsonValue())} ms after navigation`);
  assert.ok(await firstFrame.jsonValue() <= limits.firstFrameMs, `the first frame came ${await firstFrame.jsonValue()} ms after navigation`);
  await skipTo('New Game');
  await page.screenshot({ path: join(build, 'title.png') });
  firstVisitBytes = servedBytes;
});

await check('New Game leads past the introduction to the street', async () => {
  await tap('Enter');
  await skipTo('\u263b');
  street = await player();
  assert.deepEqual(street, { x: 20, y: 10 });
  await page.screenshot({ path: join(build, 'street.png') });
});

await check('Right held for 1 s walks about 11 tiles and stops on release', async () => {
  await walking(async () => {
    const before = await player();
    await hold(['ArrowRight'], 1000);
    const after = await player();
    await sleep(300);
    assert.deepEqual(await player(), after, 'the player walked on after the release');
    const walked = after.x - before.x;
    figures.push(`walked ${walked} tiles in 1 s`);
    assert.ok(walked >= 10 && walked <= 12, `walked ${walked} tiles`);
  });
});

await check('a tap walks one tile', async () => {
  await walking(async () => {
    const before = await player();
    await tap('ArrowRight');
    assert.deepEqual(await player(), { x: before.x + 1, y: before.y });
  });
});

await check('Right and Down held walk diagonally', async () => {
  await walking(async () => {
    const before = await player();
    await hold(['ArrowRight', 'ArrowDown'], 250);
    const after = await player();
    // The two keys go down one after the other: one tick may see only the first.
    const dx = after.x - before.x;
    const dy = after.y - before.y;
    assert.ok(dx >= 2 && dy >= 2 && Math.abs(dx - dy) <= 1,
      `from ${JSON.stringify(before)} to ${JSON.stringify(after)}`);
  });
});

await check('the pause menu opens and shows the mission brief', async () => {
  await walking(async () => {
    await tap('Escape');
    await shows('PAUSED');
    await tap('ArrowDown', 2);
    await tap('Enter');
    await shows('Mission Info: Vancouver');
    await tap('Enter');  // back to the street
    await shows('\u263b');
  });
});

let saved;
await check('the player walks to the cafe and saves to slot 1', async () => {
  // The route: up to the street's top row, along it to the cafe's door
  // (above the start), and in.
  for (let step = 0; step < 100 && !(await screenText()).includes('Send\\Receive'); ++step) {
    if (await endFight()) continue;
    const p = await player();
    if (!p) await sleep(100);  // a door's screen is on its way
    else if (p.y > 9) await hold(['ArrowUp'], 90 * (p.y - 9) - 45);
    else if (p.x !== street.x) await tap(p.x < street.x ? 'ArrowRight' : 'ArrowLeft');
    else await hold(['ArrowUp'], 200);
  }
  await shows('Send\\Receive');
  await page.screenshot({ path: join(build, 'cafe.png') });
  await tap('ArrowDown', 3);
  await tap('Enter');
  await shows('Save 1: Empty');
  await tap('Enter');
  await shows('Would you like to save to slot 1?');
  await tap('Enter');
  await shows('Save 1: Vancouver, $');
  await tap('ArrowUp');
  await tap('Enter');
  await shows('Send\\Receive');
  await tap('ArrowUp');
  await tap('Enter');
  await shows('\u263b');
  saved = { where: await player(), panel: await statusPanel() };
});

await check('after a reload, Load Game brings back the same city, money and place', async () => {
  await page.reload();
  await skipTo('New Game');
  await tap('ArrowDown');
  await tap('Enter');
  await shows('Save 1: Vancouver, $');
  await tap('Enter');
  await shows('\u263b');
  assert.deepEqual(await player(), saved.where);
  assert.equal(await statusPanel(), saved.panel);
});

await check('a page standing idle on the street uses almost no CPU', async () => {
  const session = await context.newCDPSession(page);
  await session.send('Performance.enable');
  const metrics = async () => Object.fromEntries((await session.send('Performance.getMetrics')).metrics
    .map((m) => [m.name, m.value]));
  const before = await metrics();
  const started = Date.now();
  await sleep(5000);
  const after = await metrics();
  const seconds = (Date.now() - started) / 1000;
  const share = (after.TaskDuration - before.TaskDuration) / seconds;
  for (const name of ['ScriptDuration', 'LayoutDuration', 'RecalcStyleDuration'])
    figures.push(`${name}: ${((after[name] - before[name]) / seconds * 100).toFixed(2)} %`);
  figures.push(`idle on the street: ${(share * 100).toFixed(2)} % of a core (page main thread)`);
  assert.ok(share < limits.idleCpuShare, `idle CPU ${share}`);
});

await check('everything the page loads stays small', async () => {
  figures.push(`the page loaded ${firstVisitBytes} bytes`);
  assert.ok(firstVisitBytes > 0 && firstVisitBytes <= limits.bytes);
});

await check('no error in the browser console', async () => {
  assert.deepEqual(consoleErrors, []);
});

await browser.close();
server.close();
console.log(`${results.length} checks passed\n${figures.join('\n')}`);
