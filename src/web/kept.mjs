// The game this tab keeps: text the game hands over and takes back, which
// the page only stores. sessionStorage lives as long as the tab does, as
// the desktop game lives as long as its window. Where the browser keeps
// nothing (storage turned off or full), the game plays all the same.
//
// The tab's entry in the session history says whether it keeps a game: a
// reload, a tab the browser threw away and brings back, and the way back
// to the page all come with that entry. So a first visit does not touch
// sessionStorage before its first board; the first read of it waits on the
// browser, up to tens of milliseconds on a slow phone.
const KEY = 'zorbel-game';
const MARK = 'zorbelKept';
let marked = Boolean(history.state?.[MARK]);

export function keptGame() {
  if (!marked) return '';
  try {
    return sessionStorage.getItem(KEY) ?? '';
  } catch {
    return '';
  }
}

// '' forgets the game: the next load deals anew.
export function keep(game) {
  try {
    if (game) sessionStorage.setItem(KEY, game);
    else sessionStorage.removeItem(KEY);
    if (marked !== Boolean(game)) {
      marked = Boolean(game);
      history.replaceState(marked ? { [MARK]: true } : null, '');
    }
  } catch {
    // not kept: the game goes on
  }
}
