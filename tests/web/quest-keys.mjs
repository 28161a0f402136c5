// The recorded quest's lines "ms key" between two of its marks, for the browser tests written
// in another language: one reader of the replays for every script.
//   node quest-keys.mjs FROM TO   (an empty FROM is the start, an empty TO the end)
import { questLines } from './page.mjs';

for (const { ms, what } of questLines(process.argv[2], process.argv[3])) console.log(`${ms} ${what}`);
