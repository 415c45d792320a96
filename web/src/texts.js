// The page's own texts: what only the page says, about the browser, the
// clipboard and links (the fields' descriptions and the serial-Q explanation are
// in index.html, the guide in docs/web). Every other text (figures, messages about the inputs,
// the preset file's limits, the finder's count line) comes from the core.
export const TEXTS = {
  noStorage: 'This browser does not let the page remember your preset file and settings; they last until the page ' +
    'is closed.',
  fileNotRemembered: 'This preset file is open but cannot be remembered: after a reload the page starts with the ' +
    'sample presets.',
  fileNotRead: 'The file could not be read.',
  dataCopied: 'The data is on the clipboard.',
  linkCopied: 'The link is on the clipboard.',
  copyThisLink: (link) => 'Copy this link: ' + link,
  linkNotRead: (problems) => 'This link could not be read in full: ' + problems.join('; ') +
    '. The page keeps its own values there.',
  linkTooLong: (max) => 'it is longer than ' + max.toLocaleString('en') + ' characters',
  linkNotValues: 'it is not a list of values',
  linkValue: (value, key, problem) => value + ' for ' + key + ': ' + problem,
  linkNotChoice: (value, key) => value + ' is not a choice for ' + key,
  linkUnknownKey: (key) => key + ' is not a name the page knows',
};
