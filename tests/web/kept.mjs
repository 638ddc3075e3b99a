// The game record as the page keeps it in the tab's sessionStorage (the
// text src/common/KeptGame.cpp writes), read from outside: the page that
// players load has nothing for tests. installStateReader runs in the page
// and gives it globalThis.zorbelState(), which the tests call there; after
// Escape, which forgets the kept game, it says only that the game ended.
export function installStateReader() {
  const SCALARS = ['main', 'auto', 'scoreShown', 'cursor', 'ColorCount', 'TickMs', 'ActiveBallsOn', 'ActiveEveryMove',
    'SymbolsOn', 'AutoMode', 'FirstCell', 'SecondCell', 'MoveCount', 'HintFrom', 'HintTo', 'Score'];
  const CELLS = 150;
  globalThis.zorbelState = () => {
    const ended = !document.querySelector('.ended').hidden;
    const kept = sessionStorage.getItem('zorbel-game');
    if (!kept) return { ended };
    const numbers = kept.split(' ').slice(2).map(Number);  // after "zorbel-game <version>"
    const s = { ended, kept };
    SCALARS.forEach((name, k) => { s[name] = numbers[k]; });
    ['Board', 'Marks', 'Active'].forEach((name, k) => {
      s[name] = numbers.slice(SCALARS.length + CELLS * k, SCALARS.length + CELLS * (k + 1));
    });
    s.main = s.main === 1;
    s.auto = s.auto === 1;
    return s;
  };
}
