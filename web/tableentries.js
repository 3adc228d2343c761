// Joined to the series module (--post-js): every call that may throw goes through one of
// emscripten's exception trampolines (invoke_*), which looks up the function in the
// WebAssembly table each time; Table.get is slow enough to take a fifth of a series' time.
// The table never changes after start-up, so each entry is looked up once.
{
  const entries = [];
  getWasmTableEntry = (index) => entries[index] ?? (entries[index] = wasmTable.get(index));
}
