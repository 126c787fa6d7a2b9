// Saved games live in the browser's IndexedDB: the save folder is mounted
// there and read in before the program starts, so the title's Load Game sees
// every save of an earlier visit. The program copies a save back as soon as
// it is written (platform/durable_file.cpp).
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  FS.mkdir('/save');
  FS.mount(IDBFS, {}, '/save');
  addRunDependency('saves');
  FS.syncfs(true, function (error) {
    // Without IndexedDB (a private window may refuse it) the game still
    // plays; its saves last until the page is closed.
    if (error) console.warn('Saved games are kept for this visit only: ' + error);
    takeLeftGame(function () { removeRunDependency('saves'); });
  });
});
Module.storeSaves = function (done) {
  FS.syncfs(false, function (error) { done(!error); });
};

// The game in play when the page was left (closed, reloaded, navigated away
// from), kept by the program as the interrupted game. A page being left
// cannot wait for IndexedDB, so the game goes to the page's local storage at
// once, and into the save folder on the next visit.
var leftGameKey = 'drifter-interrupted-game';
var leftGameFile = '/save/interrupted.sav';
// The folder's interrupted game before the page was left, while the page may
// yet be shown again: {before: bytes or null}.
var pageLeft = null;

function readLeftGame() {
  return FS.analyzePath(leftGameFile).exists ? FS.readFile(leftGameFile) : null;
}

Module.keepLeftGame = function () {
  var before = readLeftGame();
  var kept = Module._keepGameAsThePageIsLeft();
  if (!kept) return;  // no game in play
  pageLeft = { before: before };
  var failure = UTF8ToString(kept);
  try {
    if (!failure) localStorage.setItem(leftGameKey, JSON.stringify(Array.from(readLeftGame())));
  } catch (error) {
    failure = String(error);  // the page may not store anything, or no more
  }
  if (failure) console.error('The game in play could not be kept: ' + failure);
};

// The page left was shown again as it was (the browser's back and forward
// cache): play goes on, and the folder is as it was before.
Module.takeBackLeftGame = function () {
  if (!pageLeft) return;
  localStorage.removeItem(leftGameKey);
  var before = pageLeft.before;
  pageLeft = null;
  if (before) FS.writeFile(leftGameFile, before);
  else if (readLeftGame()) FS.unlink(leftGameFile);
};

// Puts the game left on the last visit into the save folder, stored before
// the title shows it; then done().
function takeLeftGame(done) {
  var kept = null;
  try {
    kept = localStorage.getItem(leftGameKey);
    if (kept !== null) FS.writeFile(leftGameFile, new Uint8Array(JSON.parse(kept)));
  } catch (error) {
    console.warn('The game left on the last visit could not be taken up: ' + error);
  }
  if (kept === null) return done();
  Module.storeSaves(function () {
    // In the folder now, stored or (where IndexedDB is refused) for this visit.
    localStorage.removeItem(leftGameKey);
    done();
  });
}
