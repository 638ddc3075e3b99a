// One game per browser, as the desktop game runs as a single copy. The tab
// that holds the Web Lock plays; the browser lets the lock go when that tab
// is closed or crashes, so the game is never left locked. Another tab asks
// the holder, over a BroadcastChannel, to end its game and let go.
const NAME = 'zorbel-game';
const LET_GO = 'let-go';

export class OneCopy {
  // `asked` runs in the holding tab when another tab takes the game over;
  // it must end the game, which calls letGo().
  constructor(asked) {
    this.release = null;
    this.channel = new BroadcastChannel(NAME);
    this.channel.addEventListener('message', e => {
      if (e.data === LET_GO && this.release) asked();
    });
  }

  // Resolves true once this tab holds the game, false if another tab does.
  claim() { return this.request({ ifAvailable: true }); }

  // Asks the holder to let go and resolves once this tab holds the game.
  takeOver() {
    const held = this.request({});
    this.channel.postMessage(LET_GO);
    return held;
  }

  letGo() {
    this.release?.();
    this.release = null;
  }

  request(options) {
    if (!navigator.locks) return Promise.resolve(true);  // a browser without locks plays alone
    return new Promise(resolve => {
      navigator.locks.request(NAME, options, lock => {
        resolve(lock !== null);
        if (!lock) return null;
        return new Promise(release => { this.release = release; });
      });
    });
  }
}
