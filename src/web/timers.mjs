// The game's two timers, tmrMain and tmrAuto, as the page runs them. They
// tick only while the tab plays and the browser has not frozen it. Started
// again, a timer waits its whole interval first: a tab that comes back goes
// on at the game's own pace, with no burst of the ticks it missed.
export class Timers {
  constructor(tick) {
    this.tick = tick;  // tick(timer), 0 tmrMain, 1 tmrAuto
    this.ms = [0, 0];  // the interval of each enabled timer, 0 for one stopped
    this.ids = [null, null];
    this.live = false;
  }

  // A new interval restarts a running timer, as Qt's does.
  set(timer, on, ms) {
    this.ms[timer] = on ? ms : 0;
    this.start(timer);
  }

  // Whether the enabled timers tick; each starts afresh.
  run(live) {
    this.live = live;
    this.start(0);
    this.start(1);
  }

  start(timer) {
    clearInterval(this.ids[timer]);
    const ms = this.live ? this.ms[timer] : 0;
    this.ids[timer] = ms ? setInterval(() => this.tick(timer), ms) : null;
  }
}
