// A static file server on a free localhost port, for the browser tests and
// the benchmark: the site folder as any static web server would serve it.
// It counts the bytes it sends, so the benchmark can tell what a visit cost.
import { createServer } from 'node:http';
import { readFileSync } from 'node:fs';
import { extname, join, normalize } from 'node:path';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css',
  '.mjs': 'text/javascript',
  '.js': 'text/javascript',
  '.wasm': 'application/wasm',
  '.json': 'application/json',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
};

export function serve(root) {
  let sent = 0;
  const server = createServer((request, response) => {
    let path = normalize(decodeURIComponent(new URL(request.url, 'http://localhost').pathname));
    if (path.endsWith('/')) path += 'index.html';
    let body;
    try {
      // Read at once: the files are small, and a read through the thread
      // pool waits behind everything else the machine does.
      body = readFileSync(join(root, path));
    } catch {
      response.writeHead(404).end();
      return;
    }
    sent += body.length;
    response.writeHead(200, { 'Content-Type': TYPES[extname(path)] ?? 'application/octet-stream' });
    response.end(body);
  });
  return new Promise(resolve => {
    server.listen(0, '127.0.0.1', () => resolve({
      url: `http://127.0.0.1:${server.address().port}/`,
      sent: () => sent,  // bytes of file contents sent so far
      close: () => new Promise(done => { server.closeAllConnections(); server.close(done); }),
    }));
  });
}
