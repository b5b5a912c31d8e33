// The user's own pair of data files, kept in IndexedDB across reloads.
export interface DataPair {
  ships: Uint8Array;
  materials: Uint8Array;
}

const DatabaseName = 'shipplanner';
const StoreName = 'data';
const Key = 'own';

function openDatabase(): Promise<IDBDatabase> {
  return new Promise((resolve, reject) => {
    const request = indexedDB.open(DatabaseName, 1);
    request.onupgradeneeded = () => request.result.createObjectStore(StoreName);
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error ?? new Error('IndexedDB'));
    // Another tab holds an older version open: fail rather than wait for ever.
    request.onblocked = () => reject(new Error('IndexedDB blocked'));
  });
}

// Gives up after a while: the page handles data changes one at a time and must not stop on one.
function inTime<T>(promise: Promise<T>): Promise<T> {
  return Promise.race([promise, new Promise<never>((_, reject) =>
    setTimeout(() => reject(new Error('IndexedDB does not answer')), 10000))]);
}

async function run<T>(mode: IDBTransactionMode, work: (store: IDBObjectStore) => IDBRequest<T>): Promise<T> {
  return inTime(transact(mode, work));
}

async function transact<T>(mode: IDBTransactionMode, work: (store: IDBObjectStore) => IDBRequest<T>): Promise<T> {
  const database = await openDatabase();
  try {
    return await new Promise<T>((resolve, reject) => {
      const transaction = database.transaction(StoreName, mode);
      const request = work(transaction.objectStore(StoreName));
      // Resolved once the transaction is committed, so a reload right after keeps it.
      transaction.oncomplete = () => resolve(request.result);
      transaction.onerror = () => reject(transaction.error ?? new Error('IndexedDB'));
      transaction.onabort = () => reject(transaction.error ?? new Error('IndexedDB'));
    });
  } finally {
    database.close();
  }
}

export async function loadPair(): Promise<DataPair | undefined> {
  const value: unknown = await run('readonly', (store) => store.get(Key));
  if (typeof value !== 'object' || value === null) return undefined;
  const { ships, materials } = value as Partial<DataPair>;
  return ships instanceof Uint8Array && materials instanceof Uint8Array ? { ships, materials } : undefined;
}

export async function savePair(pair: DataPair): Promise<void> {
  await run('readwrite', (store) => store.put({ ships: pair.ships, materials: pair.materials }, Key));
}

export async function forgetPair(): Promise<void> {
  await run('readwrite', (store) => store.delete(Key));
}
