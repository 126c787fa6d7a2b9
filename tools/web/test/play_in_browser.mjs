// Plays the browser build in Debian's headless Chromium, with real key
// events, and reads the screen through the page's text for screen readers.
// Usage: node play_in_browser.mjs BUILD_FOLDER (the site is BUILD_FOLDER/site;
// the screenshots go to BUILD_FOLDER).
import { chromium } from 'playwright-core';
import { createServer } from 'node:http';
import { readFile, readdir, mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join, extname } from 'node:path';
import assert from 'node:assert/strict';

const build = process.argv[2] || 'build-web';
const site = join(build, 'site');
const limits = { bytes: 1.5 * 1024 * 1024, firstFrameMs: 1000, idleCpuShare: 0.02 };

// A plain static server that counts what the page loads (no compression).
const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.data': 'application/octet-stream', '.txt': 'text/plain' };
let servedBytes = 0;
const missing = new Set();  // files the server pretends not to have
const server = createServer(async (request, response) => {
  const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
  try {
    if (missing.has(path)) throw new Error('missing');
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

// A browser with a profile of its own on disk, as a player's, so that the
// saves can be seen to outlast a restart of the browser.
const profile = await mkdtemp(join(tmpdir(), 'drifter-browser-'));
const consoleErrors = [];
let context;
let page;
async function startBrowser() {
  context = await chromium.launchPersistentContext(profile, { executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox'], viewport: { width: 1000, height: 560 } });
  page = context.pages()[0] ?? await context.newPage();
  // When the page saw the last key go down and come up: a busy machine may
  // deliver a release late, and the walk is measured against the real hold.
  await page.addInitScript(() => {
    window.keyTimes = {};
    addEventListener('keydown', (e) => { if (!e.repeat) window.keyTimes.down = e.timeStamp; }, true);
    addEventListener('keyup', (e) => { window.keyTimes.up = e.timeStamp; }, true);
  });
  page.on('console', (m) => { if (m.type() === 'error' || m.type() === 'warning') consoleErrors.push(m.text()); });
  page.on('pageerror', (e) => consoleErrors.push(String(e)));
}
await startBrowser();
async function finish() {
  await context.close();
  await rm(profile, { recursive: true, force: true });
  server.close();
}

// CPU time (in clock ticks, 1/100 s) of the processes below root (the
// browser's, started by this test), all of them and the renderers (where the
// page runs) alone.
async function cpuTicks(root) {
  const stats = [];
  for (const pid of await readdir('/proc')) {
    if (!/^\d+$/.test(pid)) continue;
    try {
      const fields = (await readFile(`/proc/${pid}/stat`, 'utf8')).replace(/^.*\) /, '').split(' ');
      const renderer = (await readFile(`/proc/${pid}/cmdline`, 'utf8')).includes('--type=renderer');
      stats.push({ pid: Number(pid), parent: Number(fields[1]), renderer,
        ticks: Number(fields[11]) + Number(fields[12]) });
    } catch { /* gone meanwhile */ }
  }
  const family = new Set([root]);
  for (let grew = true; grew;) {
    grew = false;
    for (const p of stats) if (family.has(p.parent) && !family.has(p.pid)) { family.add(p.pid); grew = true; }
  }
  const sum = (list) => list.reduce((total, p) => total + p.ticks, 0);
  const ours = stats.filter((p) => family.has(p.pid) && p.pid !== root);
  return { all: sum(ours), renderers: sum(ours.filter((p) => p.renderer)) };
}

const results = [];
const figures = [];
async function check(name, body) {
  const started = Date.now();
  try {
    await body();
  } catch (e) {
    // What the player would have seen when it went wrong.
    console.log(`FAIL ${name}\n${await screenText()}\n${figures.join('\n')}`);
    await page.screenshot({ path: join(build, 'failure.png') });
    await finish();
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
// How long the last key was held, as the page saw it.
const lastHold = () => page.evaluate(() => window.keyTimes.up - window.keyTimes.down);
// The steps a hold of ms may walk: one at once, then one at every 90 ms tick
// that finds the key still down (a tap shorter than a tick walks one).
function stepsFor(ms) {
  const ticks = Math.floor(ms / 90);
  return [Math.max(1, ticks), ticks + 1];
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
// Escape held skips the fades (splash, introduction) until one of the texts shows.
async function skipTo(...texts) {
  await page.keyboard.down('Escape');
  await page.waitForFunction((ts) => ts.some((t) => document.getElementById('text').textContent.includes(t)), texts,
    { timeout: 20000 });
  await page.keyboard.up('Escape');
}
// Enemies roam where they please: a fight that breaks in is fought to its end
// (Attack, then Enter through its messages). True when there was one.
async function endFight() {
  // A fight begins on a cleared screen, and the screen's text follows the
  // cells a moment later: wait until the fight shows or the player stands on the street.
  const shown = await page.waitForFunction(() => {
    if (document.getElementById('text').textContent.includes('Battle!')) return 'fight';
    for (let at = 0; at < 80 * 20; ++at) {
      const c = page.cell(at % 80, Math.floor(at / 80));
      if (c.glyph === 0x263b && (c.attr & 15) === 14) return 'street';
    }
    return false;
  }, null, { timeout: 5000 }).then((found) => found.jsonValue(), () => 'neither');
  if (shown !== 'fight') return false;
  for (let i = 0; i < 300 && !(await player()); ++i) await tap('Enter');
  assert.ok(await player(), 'a fight did not end');
  return true;
}
// Where the player stands once the last step has shown: the same over 300 ms.
async function settledPlayer() {
  for (let where = await player(); ;) {
    await sleep(300);
    const now = await player();
    if (JSON.stringify(now) === JSON.stringify(where)) return now;
    where = now;
  }
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

// When the program drew its first frame, in ms after the navigation began.
async function firstFrameMs() {
  const at = await page.waitForFunction(() => performance.getEntriesByName('first-frame')[0]?.startTime,
    null, { timeout: 5000 });
  return Math.round(await at.jsonValue());
}
const firstFrames = [];
let street;
let firstVisitBytes = 0;
await check('the page loads, its first frame comes soon, the title appears', async () => {
  await page.goto(address);
  firstFrames.push(await firstFrameMs());
  await skipTo('New Game');
  await page.screenshot({ path: join(build, 'title.png') });
});

await check('New Game leads past the introduction to the street', async () => {
  await tap('Enter');
  // A Bounty Hunter may start a fight as soon as the street shows: it is fought.
  await skipTo('\u263b', 'Battle!');
  await endFight();
  street = await player();
  assert.deepEqual(street, { x: 20, y: 10 });
  await page.screenshot({ path: join(build, 'street.png') });
});

await check('music starts with the first key and plays the tune the game asked for', async () => {
  // The worker makes each tune once, in a few seconds on a busy machine.
  const tune = await page.waitForFunction(() => page.music.playing !== null && page.music.wanted, null,
    { timeout: 30000 });
  figures.push(`music: ${await tune.jsonValue()} plays through Web Audio`);
});

await check('Right held for 1 s walks about 11 tiles and stops on release', async () => {
  await walking(async () => {
    const before = await player();
    await hold(['ArrowRight'], 1000);
    const after = await player();
    await sleep(300);
    assert.deepEqual(await player(), after, 'the player walked on after the release');
    const walked = after.x - before.x;
    const held = await lastHold();
    figures.push(`walked ${walked} tiles while Right was held for ${Math.round(held)} ms`);
    assert.ok(stepsFor(held).includes(walked), `walked ${walked} tiles in ${held} ms`);
  });
});

await check('a tap walks one tile', async () => {
  await walking(async () => {
    const before = await player();
    await tap('ArrowRight');
    const held = await lastHold();
    figures.push(`a tap of ${Math.round(held)} ms walked ${(await player()).x - before.x} tile(s)`);
    assert.ok(stepsFor(held).includes((await player()).x - before.x));
    assert.equal((await player()).y, before.y);
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
  saved = { cash: /Save 1: Vancouver, \$(-?\d+)/.exec(await screenText())[1] };
  await tap('ArrowUp');
  await tap('Enter');
  await shows('Send\\Receive');
  await tap('ArrowUp');
  await tap('Enter');
  await shows('\u263b');
  saved.where = { x: street.x, y: 8 };  // before the cafe's door
});

// The street as the first frame after a load shows it, before any enemy can
// act: the player's cell, the street's name row and the money.
async function loadedStreet() {
  const loaded = await page.waitForFunction(() => {
    const row = (y) => Array.from({ length: 80 }, (_, x) => String.fromCharCode(page.cell(x, y).glyph)).join('');
    for (let y = 0; y < 20; ++y)
      for (let x = 0; x < 80; ++x) {
        const c = page.cell(x, y);
        if (c.glyph === 0x263b && (c.attr & 15) === 14)
          return { where: { x, y }, street: row(4), money: /Current Money:\s*\$(-?\d+)/.exec(row(21))?.[1] };
      }
    return null;
  }, null, { polling: 'raf', timeout: 10000 });
  return loaded.jsonValue();
}
// From the title to the list of saved games: its text.
async function loadGameList() {
  await skipTo('New Game');
  await tap('ArrowDown');
  await tap('Enter');
  await shows('Save 10:');
  return screenText();
}
// The interrupted game is listed after the ten slots.
async function loadInterrupted() {
  await tap('ArrowDown', 10);
  await tap('Enter');
}
async function quitGame() {
  const paused = () => page.waitForFunction(() => /PAUSED|Battle!/.test(document.getElementById('text').textContent),
    null, { timeout: 5000 });
  for (let i = 0; i < 3 && !(await screenText()).includes('PAUSED'); ++i) {
    await endFight();
    await tap('Escape');
    await paused();
  }
  await tap('ArrowUp');
  await tap('Enter');
  await page.waitForSelector('#message:not([hidden])');
  assert.equal(await page.locator('#message').textContent(), 'The game has ended. Reload the page to play again.');
}

let left;
await check('a page shown again from the back and forward cache takes back the game it kept', async () => {
  await walking(async () => {
    await tap('ArrowDown', 2);
    await tap('ArrowRight', 3);
  });
  left = { where: await settledPlayer(), cash: /Current Money:\s*\$(-?\d+)/.exec(await screenText())[1] };
  // Chromium does not keep this page in that cache: the test sends the events a browser that does would.
  const stored = await page.evaluate(() => {
    dispatchEvent(new PageTransitionEvent('pagehide', { persisted: true }));
    const kept = localStorage.getItem('drifter-interrupted-game') !== null;
    dispatchEvent(new PageTransitionEvent('pageshow', { persisted: true }));
    return { kept, after: localStorage.getItem('drifter-interrupted-game'), folder: FS.readdir('/save') };
  });
  assert.deepEqual(stored, { kept: true, after: null, folder: ['.', '..', 'save1.sav'] });
});

await check('a reload keeps the game in play, and Load Game offers it back once, where it was', async () => {
  firstVisitBytes = servedBytes;
  await page.reload();
  firstFrames.push(await firstFrameMs());
  const list = await loadGameList();
  assert.ok(list.includes(`Save 1: Vancouver, $${saved.cash}`), list);
  assert.ok(list.includes(`Interrupted: Vancouver, $${left.cash}`), list);
  await loadInterrupted();
  const after = await loadedStreet();
  assert.deepEqual(after.where, left.where);
  assert.equal(after.money, left.cash);
  // The player's own Quit keeps nothing, nor does a page left on the title.
  await quitGame();
  await page.reload();
  await skipTo('New Game');
  await page.reload();
  const again = await loadGameList();
  assert.ok(!again.includes('Interrupted'), again);
});

await check('after a reload, Load Game brings back the same city, money and place', async () => {
  await shows(`Save 1: Vancouver, $${saved.cash}`);
  await tap('Enter');
  const after = await loadedStreet();
  assert.deepEqual(after.where, saved.where);
  assert.ok(after.street.includes('INTERNET CAFE'), after.street);
  assert.equal(after.money, saved.cash);
});

// CPU used over ms: the page's renderer and the whole browser, shares of a core.
async function cpuShare(ms) {
  const before = await cpuTicks(process.pid);
  const started = Date.now();
  await sleep(ms);
  const after = await cpuTicks(process.pid);
  // Ticks are hundredths of a second.
  const seconds = (Date.now() - started) / 1000;
  return { page: (after.renderers - before.renderers) / seconds / 100, all: (after.all - before.all) / seconds / 100 };
}
const percent = (share) => `${(share * 100).toFixed(2)} %`;

await check('a page standing idle on the street uses almost no CPU', async () => {
  const playing = await cpuShare(5000);
  figures.push(`idle on the street with music: the page's renderer ${percent(playing.page)} of a core, ` +
    `the whole browser ${percent(playing.all)}`);
  // The game's own share: the same with the browser's audio output paused.
  await page.evaluate(() => page.music.context.suspend());
  let silent;
  for (let tries = 0; tries < 3; ++tries) {
    await endFight();
    // The music worker runs in the page's renderer: a tune it is still making
    // (a fight's, on a busy machine) is no idle page.
    await page.waitForFunction(() => !Object.values(page.music.tunes).includes('making'), null, { timeout: 60000 });
    silent = await cpuShare(5000);
    // A fight that broke in (it waits on its menu) made it no idle street.
    if (!(await screenText()).includes('Battle!')) break;
  }
  await page.evaluate(() => page.music.context.resume());
  figures.push(`idle on the street, audio paused: the page's renderer ${percent(silent.page)} of a core, ` +
    `the whole browser ${percent(silent.all)}`);
  assert.ok(silent.page < limits.idleCpuShare, `idle CPU ${percent(silent.page)}`);
});

await check('the first frame of the splash comes within 1 s of the navigation', async () => {
  figures.push(`first frame ${firstFrames.join(' ms (first visit) and ')} ms (reload) after navigation`);
  // The better of the two: a cold browser on a busy machine may be slower once.
  assert.ok(Math.min(...firstFrames) <= limits.firstFrameMs);
});

await check('everything the page loads stays small', async () => {
  figures.push(`the page loaded ${firstVisitBytes} bytes`);
  assert.ok(firstVisitBytes > 0 && firstVisitBytes <= limits.bytes);
});


await check('Quit Game ends on a plain screen', quitGame);

await check('no error in the browser console', async () => {
  assert.deepEqual(consoleErrors, []);
});

// From here on the browser rightly reports the missing files in its console.
for (const [file, words] of [['/drifter.data', 'drifter.data'], ['/drifter.wasm', 'drifter.wasm'],
  ['/drifter.js', 'drifter.js']]) {
  await check(`a missing ${file.slice(1)} is told on the page in words`, async () => {
    missing.add(file);
    await page.reload();
    await page.waitForSelector('#message.error:not([hidden])', { timeout: 10000 });
    const text = await page.locator('#message').textContent();
    figures.push(`without ${file.slice(1)} the page says: ${text.split('\n')[0]}`);
    assert.ok(text.includes(words), text);
    missing.delete(file);
  });
}

await check('saves outlast a restart of the browser, and so does the game left in play', async () => {
  consoleErrors.length = 0;
  await page.reload();
  await loadGameList();
  await tap('Enter');
  await loadedStreet();
  await walking(async () => { await tap('ArrowDown'); });
  left = { where: await player(), cash: /Current Money:\s*\$(-?\d+)/.exec(await screenText())[1] };
  // The tab is closed as a player closes it, then the whole browser.
  await page.close({ runBeforeUnload: true });
  await context.close();
  await startBrowser();
  await page.goto(address);
  const list = await loadGameList();
  assert.ok(list.includes(`Save 1: Vancouver, $${saved.cash}`), list);
  assert.ok(list.includes(`Interrupted: Vancouver, $${left.cash}`), list);
  await loadInterrupted();
  const after = await loadedStreet();
  assert.deepEqual({ where: after.where, cash: after.money }, left);
  assert.deepEqual(consoleErrors, []);
});

await finish();
console.log(`${results.length} checks passed\n${figures.join('\n')}`);
