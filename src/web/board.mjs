// The 150 cells on one canvas. It paints the picture numbers the game hands
// over and names the cell under a point; it decides nothing. The canvas has
// a pixel for every device pixel of the window as scaled on the screen, and
// the pictures come from the sheet painted for the next whole ratio of
// device pixels to board pixels, so the balls stay crisp at any size.
import { retried } from './retry.mjs';

const COLUMNS = 15;
const ROWS = 10;
const CELL = 40;  // CSS pixels
const PICTURES = 24;
const SHEET_RATIOS = 3;  // sheets exist for ratios 1..3
const FRAME_BAND = 2;  // CSS pixels, each of the cursor frame's two colours
// A ratio a hair above a whole number, from rounding the scale, takes that
// number's sheet.
const RATIO_SLACK = 0.01;

export class Board {
  // `scale`: the window's scale in the page.
  constructor(canvas, scale) {
    this.canvas = canvas;
    this.shown = new Int16Array(COLUMNS * ROWS + 1);  // picture of each cell, 0 none yet
    this.cursor = 0;
    this.symbols = false;
    this.sheets = new Map();
    this.sheet = null;  // the sheet the cells are painted from, once one is here
    this.wanted = null;  // the sheet asked for last
    this.scale = scale;
    this.fit();
    this.use(this.load(false));
    // A change of zoom or a move to another screen changes the ratio.
    addEventListener('resize', () => this.refit());
  }

  // The window's scale in the page (fit.mjs).
  setScale(scale) {
    this.scale = scale;
    this.refit();
  }

  refit() {
    if (devicePixelRatio * this.scale === this.ratio) return;
    this.fit();
    this.use(this.load(this.symbols));
  }

  fit() {
    this.ratio = devicePixelRatio * this.scale;
    // Device pixel edges of the columns and rows, rounded so that
    // neighbours meet exactly.
    const edges = n => {
      const at = new Int32Array(n + 1);
      for (let k = 1; k <= n; k++) at[k] = Math.round(k * CELL * this.ratio);
      return at;
    };
    this.across = edges(COLUMNS);
    this.down = edges(ROWS);
    // A size given anew clears the canvas and its state even when the same;
    // the page's own 600 x 400 is the size at ratio 1.
    if (this.canvas.width !== this.across[COLUMNS]) this.canvas.width = this.across[COLUMNS];
    if (this.canvas.height !== this.down[ROWS]) this.canvas.height = this.down[ROWS];
    this.context = this.canvas.getContext('2d', { alpha: true });
    this.context.imageSmoothingQuality = 'high';
  }

  // The sheet for this ratio, plain or with symbols, loaded once; a request
  // that fails is made again a few times (retry.mjs).
  load(symbols) {
    const ratio = Math.min(SHEET_RATIOS, Math.max(1, Math.ceil(this.ratio - RATIO_SLACK)));
    const name = `balls-${ratio}x${symbols ? '-symbols' : ''}.png`;
    if (!this.sheets.has(name)) {
      const sheet = { name, image: null, side: CELL * ratio };
      sheet.ready = retried(() => picture(name)).then(image => { sheet.image = image; });
      this.sheets.set(name, sheet);
    }
    return this.sheets.get(name);
  }

  // Paints every cell from `sheet` once it is here, unless another sheet
  // has been asked for meanwhile; until then the cells keep the sheet they
  // had. A sheet that did not come is asked for anew the next time.
  use(sheet) {
    this.wanted = sheet;
    sheet.ready.then(() => {
      if (this.wanted !== sheet) return;
      this.sheet = sheet;
      for (let i = 1; i < this.shown.length; i++) this.paint(i);
    }, () => this.sheets.delete(sheet.name));
  }

  // Resolves once the sheet asked for last is painted from; rejects if it
  // did not come.
  async ready() {
    let sheet;
    do {
      sheet = this.wanted;
      await sheet.ready;
    } while (sheet !== this.wanted);
  }

  // Asks again for the sheet that did not come.
  retry() {
    this.use(this.load(this.symbols));
  }

  // Paints the cells whose pictures differ from those shown.
  draw(pictures) {
    for (let i = 1; i < this.shown.length; i++) {
      if (this.shown[i] === pictures[i]) continue;
      this.shown[i] = pictures[i];
      this.paint(i);
    }
  }

  setSymbols(on) {
    this.symbols = on;
    this.use(this.load(on));
  }

  showCursor(cell) {
    const old = this.cursor;
    this.cursor = cell;
    this.paint(old);
    this.paint(cell);
  }

  // Kept plain: it runs for every cell of the first board, before the
  // browser has compiled it further.
  paint(i) {
    const n = this.shown[i];
    const sheet = this.sheet;
    if (i < 1 || n < 1 || n > PICTURES || !sheet) return;
    const column = (i - 1) % COLUMNS;
    const row = ((i - 1) / COLUMNS) | 0;
    const x = this.across[column];
    const y = this.down[row];
    const w = this.across[column + 1] - x;
    const h = this.down[row + 1] - y;
    this.context.drawImage(sheet.image, (n - 1) * sheet.side, 0, sheet.side, sheet.side, x, y, w, h);
    if (i === this.cursor) this.paintFrame(x, y, w, h);
  }

  // A black and a white band just inside the cell, one of them readable on
  // every ball, as the desktop draws its keyboard cursor.
  paintFrame(x, y, w, h) {
    const band = Math.max(1, Math.round(FRAME_BAND * this.ratio));
    [['#000', 0], ['#fff', band]].forEach(([colour, inset]) => {
      const [l, t, r, b] = [x + inset, y + inset, x + w - inset, y + h - inset];
      this.context.fillStyle = colour;
      this.context.fillRect(l, t, r - l, band);
      this.context.fillRect(l, b - band, r - l, band);
      this.context.fillRect(l, t, band, b - t);
      this.context.fillRect(r - band, t, band, b - t);
    });
  }

  // Cell under a point of the viewport, 0 off the grid. Each cell owns
  // exactly its 40 columns and rows of board pixels, however scaled.
  cellAt(clientX, clientY) {
    const box = this.canvas.getBoundingClientRect();
    const column = Math.floor((clientX - box.left) * COLUMNS / box.width);
    const row = Math.floor((clientY - box.top) * ROWS / box.height);
    if (column < 0 || row < 0 || column >= COLUMNS || row >= ROWS) return 0;
    return row * COLUMNS + column + 1;
  }
}

// One request for a sheet. Loaded is enough: the canvas decodes a sheet
// this small at once, where decode() would wait for one of the browser's
// frames.
function picture(name) {
  return new Promise((resolve, reject) => {
    const image = new Image();
    image.addEventListener('load', () => resolve(image), { once: true });
    image.addEventListener('error', reject, { once: true });
    image.src = name;
    if (image.complete && image.naturalWidth) resolve(image);
  });
}
