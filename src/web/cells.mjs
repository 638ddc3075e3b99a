// The board as a screen reader meets it: an ARIA grid of 10 rows of 15
// cells, each named as the desktop names its accessible cells (the game
// sends the name with the picture, so only changed cells are touched). The
// keyboard cursor is the grid's active cell.
const COLUMNS = 15;
const ROWS = 10;

export class Cells {
  constructor(grid) {
    this.grid = grid;
    this.cells = [null];  // by cell number 1..150
    for (let r = 0; r < ROWS; r++) {
      const row = document.createElement('div');
      row.setAttribute('role', 'row');
      for (let c = 0; c < COLUMNS; c++) {
        const cell = document.createElement('div');
        cell.setAttribute('role', 'gridcell');
        cell.id = `cell-${this.cells.length}`;
        row.append(cell);
        this.cells.push(cell);
      }
      this.grid.append(row);
    }
  }

  nameBoard(text) { this.grid.setAttribute('aria-label', text); }
  name(i, text) { this.cells[i].setAttribute('aria-label', text); }

  // Cell 0: no cursor shown.
  setActive(i) {
    if (i > 0) this.grid.setAttribute('aria-activedescendant', this.cells[i].id);
    else this.grid.removeAttribute('aria-activedescendant');
  }
}
