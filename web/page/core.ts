// Loads the core (the module emscripten makes) from the page's own folder.
import type { Core } from '../core.js';

export type { Build, Core, Opened, OpenedBuild, Place } from '../core.js';

export async function loadCore(): Promise<Core> {
  // Not bundled: the module and its .wasm sit beside this script.
  const url = new URL('./shipplanner_web.js', import.meta.url).href;
  const module = (await import(url)) as typeof import('../core.js');
  return module.default({ locateFile: (path) => new URL(path, url).href });
}
