'use strict';
// A section that takes a file picked with its file input or dropped onto it: `take` gets the
// file, a dropped one only while `accepting()` says so.
function takeFiles(section, picker, take, accepting = () => true) {
  picker.addEventListener('change', () => {
    if (picker.files.length) take(picker.files[0]);
  });
  section.addEventListener('dragover', (event) => {
    if ([...event.dataTransfer.types].includes('Files')) event.preventDefault();
  });
  section.addEventListener('drop', (event) => {
    event.preventDefault();
    const [file] = event.dataTransfer.files;
    if (file && accepting()) take(file);
  });
}
