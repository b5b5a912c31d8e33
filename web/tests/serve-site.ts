// Serves the site folder until stopped: node serve-site.js SITE_DIR [PORT]; prints the address.
import { serve } from './server.js';

const [root, port] = process.argv.slice(2);
if (root === undefined) {
  console.error('usage: node serve-site.js SITE_DIR [PORT]');
  process.exit(2);
}
const site = await serve(root, Number(port ?? 0));
console.log(site.url);
