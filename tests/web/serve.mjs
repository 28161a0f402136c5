// The browser tests' static server for a browser driven from another language: serves the
// folder, prints its address, and stops when its standard input closes.
//   node serve.mjs SITE_DIR
import { serve } from './page.mjs';

const { url, stop } = await serve(process.argv[2]);
console.log(url);
process.stdin.on('end', async () => { await stop(); process.exit(0); });
process.stdin.resume();
