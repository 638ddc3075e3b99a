// The board as a screen reader meets it: an ARIA grid of 10 rows of 15
// cells, each named as the desktop names its accessible cells (the game
// sends the name with the picture, so only changed cells are touched). The
// keyboard cursor is the grid's active cell.
const COLUMNS = 15;
const ROWS = 10;

export class Cells {
  // Made in one pass, from markup: the page asks for the grid before the
  // first board.
  constructor(grid) {
    this.grid = grid;
    let markup = '';
    for (let r = 0; r < ROWS; r++) {
      markup += '<div role="row">';
      for (let c = 1; c <= COLUMNS; c++) markup += `<div role="gridcell" id="cell-${r * COLUMNS + c}"></div>`;
      markup += '</div>';
    }
    grid.innerHTML = markup;
    this.cells = [null, ...grid.querySelectorAll('[role=gridcell]')];  // by cell number 1..150
  }

  nameBoard(text) { this.grid.setAttribute('aria-label', text); }
  name(i, text) { this.cells[i].setAttribute('aria-label', text); }

  // Cell 0: no cursor shown.
  setActive(i) {
    if (i > 0) this.grid.setAttribute('aria-activedescendant', this.cells[i].id);
    else this.grid.removeAttribute('aria-activedescendant');
  }
}
