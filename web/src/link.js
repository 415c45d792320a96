// Links to share: the fragment holds the four inputs, and the finder's when
// its panel is open ("#L=500m&RS=1.2k&C=200p&RL=47k"). Every value is read by
// the core's strict reader before it reaches a field; what cannot be read is
// named in one notice, as text, and the page keeps its own value for it.
import { $, page, notice, copyText } from './dom.js';
import { FIELDS } from './window.js';
import { stageOpen, stageQuery } from './finder.js';
import { TEXTS } from './texts.js';

export const MAX_LINK = 2000;
const WINDOW_KEYS = { L: 0, RS: 1, C: 2, RL: 3 };
const STAGE_VALUES = ['cable', 'cBase', 'rBase', 'bandEdge', 'targetF', 'targetQ'];
const STAGE_LISTS = ['cList', 'rList']; // read entry by entry when ranked
const STAGE_WORDS = { cMode: ['choices', 'switches'], rMode: ['choices', 'switches'], rankBy: ['flatness', 'target'] };

export function linkFor() {
  const params = new URLSearchParams();
  const s = page.core.state();
  for (const [key, i] of Object.entries(WINDOW_KEYS)) params.set(key, $('field-' + FIELDS[i]).value || s.fields[i]);
  if (stageOpen()) {
    const q = stageQuery();
    for (const key of [...STAGE_VALUES, ...STAGE_LISTS, ...Object.keys(STAGE_WORDS)]) params.set(key, q[key]);
  }
  return location.href.replace(/#.*$/, '') + '#' + params.toString();
}

// A quoted piece of the link for the notice: short, control characters shown
// as "?", so that nothing in a link can make the notice misleading.
function quoted(text) {
  const shown = text.length > 40 ? text.slice(0, 40) + '…' : text;
  return '"' + shown.replace(/[\u0000-\u001f\u007f-\u009f]/g, '?') + '"';
}

// The link's values, each read strictly: {fields: {index: text}, stage: {key:
// text} or null, problems: [text]}.
export function readLink(fragment) {
  const result = { fields: {}, stage: null, problems: [] };
  if (fragment.length > MAX_LINK) {
    result.problems.push(TEXTS.linkTooLong(MAX_LINK));
    return result;
  }
  let params;
  try {
    params = new URLSearchParams(fragment);
  } catch (e) {
    result.problems.push(TEXTS.linkNotValues);
    return result;
  }
  for (const [key, value] of params) {
    if (key in WINDOW_KEYS || STAGE_VALUES.includes(key)) {
      const problem = value.trim() === '' && !(key in WINDOW_KEYS) ? '' : page.core.readValueProblem(value);
      if (problem) {
        result.problems.push(TEXTS.linkValue(quoted(value), key, problem));
      } else if (key in WINDOW_KEYS) {
        result.fields[WINDOW_KEYS[key]] = value;
      } else {
        (result.stage = result.stage || {})[key] = value;
      }
    } else if (STAGE_LISTS.includes(key)) {
      (result.stage = result.stage || {})[key] = value;
    } else if (key in STAGE_WORDS) {
      if (STAGE_WORDS[key].includes(value)) (result.stage = result.stage || {})[key] = value;
      else result.problems.push(TEXTS.linkNotChoice(quoted(value), key));
    } else {
      result.problems.push(TEXTS.linkUnknownKey(quoted(key)));
    }
  }
  return result;
}

export function reportLink(problems) {
  if (problems.length) notice(TEXTS.linkNotRead(problems));
}

export function wireLink() {
  window.varnholtLink = linkFor; // for the tests, which cannot read the clipboard
  $('copy-link').addEventListener('click', () => {
    const link = linkFor();
    copyText(link, () => notice(TEXTS.linkCopied), () => notice(TEXTS.copyThisLink(link)));
  });
}
