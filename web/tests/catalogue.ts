// Made-up data files for the finder's property and its bench: ASCII names (so code page 932
// plays no part), figures across their ranges, some missing, and material lines in another order
// than the ships, some entries "//" or empty.
export interface Catalogue {
  ships: Buffer;
  materials: Buffer;
}

// A small seeded generator (mulberry32), so a failing catalogue can be made again.
export function seeded(seed: number): () => number {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = Math.imul(a ^ (a >>> 15), 1 | a);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

export function makeCatalogue(random: () => number, size: number): Catalogue {
  const int = (low: number, high: number) => low + Math.floor(random() * (high - low + 1));
  const sometimes = (chance: number, text: () => string) => (random() < chance ? '' : text());
  const ships = ['name,price,a,b,row,turn,wave,armour,c,cabins,ports,hold,minimum,adv,trade,combat,' +
    'aux,head,seal,weapon,extra,side,bow,stern,d,material,e,f,g,h'];
  const materials: string[] = [];
  for (let i = 0; i < size; ++i) {
    const name = `S${i}`;
    const cabins = int(2, 60);
    ships.push([name, sometimes(0.03, () => String(int(500, 400000))), 1, 2, int(0, 30), int(5, 30), int(1, 9),
      int(1, 20), 10, cabins, int(0, 40), int(5, 800), int(1, cabins), int(1, 70), int(1, 70), int(1, 70),
      int(0, 3), int(0, 2), int(0, 2), int(0, 2), int(0, 2), int(0, 4), int(0, 2), int(0, 2), i,
      sometimes(0.3, () => String(int(-1, 10))), 'x', 'y', 1, ''].join(','));
    const entry = () => random() < 0.05 ? '//' : [0, 1, 2].map(() => sometimes(0.04, () => String(int(30, 450)))).join('/');
    materials.push([name, ...Array.from({ length: 11 }, entry)].join(','));
  }
  // Lines in another order than the ships, as real files have them.
  for (let i = materials.length - 1; i > 0; --i) {
    const k = int(0, i);
    [materials[i], materials[k]] = [materials[k]!, materials[i]!];
  }
  const file = (lines: string[]) => Buffer.from(`${lines.join('\r\n')}\r\n`);
  return { ships: file(ships), materials: file(['name,m0,m1,m2,m3,m4,m5,m6,m7,m8,m9,m10', ...materials]) };
}
