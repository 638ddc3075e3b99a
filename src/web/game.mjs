// The game's module made from its bytes, with the page's object as what it
// calls (PageCalls.h names each call for the page's method). Numbers pass
// as they are; strings cross as UTF-8 ending in a zero byte.
const CELLS = 150;
const decoder = new TextDecoder();
const encoder = new TextEncoder();

export function makeGame(bytes, page) {
  let memory = null;
  const bytesAt = (pointer, length) => new Uint8Array(memory.buffer, pointer, length);
  const text = pointer => {
    const from = new Uint8Array(memory.buffer, pointer);
    return decoder.decode(from.subarray(0, from.indexOf(0)));
  };
  const calls = {
    // At most size - 1 bytes of whole characters, and the zero.
    translate(context, source, out, size) {
      const { written } = encoder.encodeInto(page.translate(text(context), text(source)), bytesAt(out, size - 1));
      bytesAt(out + written, 1)[0] = 0;
      return written;
    },
    setTitle: t => page.setTitle(text(t)),
    addMenuEntry: (index, level, kind, caption, functionKey, checkable, checked) =>
      page.addMenuEntry(index, level, kind, text(caption), functionKey, !!checkable, !!checked),
    setChecked: (index, on) => page.setChecked(index, !!on),
    setEnabled: (index, on) => page.setEnabled(index, !!on),
    setTimer: (timer, on, ms) => page.setTimer(timer, !!on, ms),
    setLabel: (label, t) => page.setLabel(label, text(t)),
    drawBoard: pictures => page.drawBoard(new Int16Array(memory.buffer, pictures, CELLS + 1)),
    nameCell: (cell, name) => page.nameCell(cell, text(name)),
    nameBoard: name => page.nameBoard(text(name)),
    setSymbols: on => page.setSymbols(!!on),
    showCursor: cell => page.showCursor(cell),
    ended: t => page.ended(text(t)),
    refused: (t, button) => page.refused(text(t), text(button)),
    failed: (t, button) => page.failed(text(t), text(button)),
    keep: t => page.keep(text(t)),
  };
  // All the C library asks of its system: a way to stop, which only a
  // fault in the game would take.
  const system = { proc_exit: code => { throw new Error(`the game stopped (${code})`); } };
  const { exports } = new WebAssembly.Instance(new WebAssembly.Module(bytes), { page: calls, wasi_snapshot_preview1: system });
  memory = exports.memory;
  exports._initialize();
  return {
    ...exports,
    text,
    // Calls f with `s` as a string in the game's memory.
    withText(s, f) {
      const utf8 = encoder.encode(`${s}\0`);
      const pointer = exports.malloc(utf8.length);
      bytesAt(pointer, utf8.length).set(utf8);
      try {
        return f(pointer);
      } finally {
        exports.free(pointer);
      }
    },
  };
}
