// Settings for each kind of file, as the page's controls take them and as the command
// line takes them: both must give the same bytes.

// Fifty characters, the most a line holds, with letters beyond ASCII that the camera
// stores as Latin-1.
export function longest(seed) {
  return `${seed}:Ää Éé ÿ ß Ø ¿¡ ${'x'.repeat(50)}`.slice(0, 50);
}

const kLongMms = {
  Edit_URL: longest('url'), Edit_APN: longest('apn'), Edit_GateWay: longest('gateway'),
  Edit_Port: longest('port'), Edit_Account: longest('account'), Edit_AccountPassword: longest('password'),
};
const kLongEmail = {
  Edit_APN: longest('apn'), Edit_Account: longest('account'), Edit_AccountPassword: longest('password'),
  Edit_SmtpServer: longest('server'), Edit_Port: longest('port'), Edit_SenderEmail: `${'s'.repeat(20)}@${longest('sender')}`.slice(0, 50),
  MaskEdit_SenderPassword: longest('secret'),
};
const recipients = (prefix) => Object.fromEntries([1, 2, 3, 4].map((n) => [`${prefix}${n}`, longest(`${prefix}${n}`)]));
const cliTexts = (map, names) => Object.entries(map).flatMap(([control, value]) => [`--${names[control]}`, value]);

const kMmsOptionNames = {
  Edit_URL: 'url', Edit_APN: 'apn', Edit_GateWay: 'gateway', Edit_Port: 'port', Edit_Account: 'account',
  Edit_AccountPassword: 'password',
  ...Object.fromEntries([1, 2, 3, 4].flatMap((n) => [[`Edit_Mobile${n}`, `mobile${n}`], [`Edit_Email${n}`, `email${n}`]])),
};
const kEmailOptionNames = {
  Edit_APN: 'apn', Edit_Account: 'account', Edit_AccountPassword: 'password', Edit_SmtpServer: 'smtp-server',
  Edit_Port: 'smtp-port', Edit_SenderEmail: 'sender', MaskEdit_SenderPassword: 'sender-password',
  ...Object.fromEntries([1, 2, 3, 4].map((n) => [`Edit_Email${n}`, `email${n}`])),
};

const timerPeriods = (hour, minute) => [1, 2, 3, 4].flatMap((n) => [
  [`ComboBox_Timer_Start${n}_Hour`, hour], [`ComboBox_Timer_Start${n}_Minute`, minute],
  [`ComboBox_Timer_End${n}_Hour`, hour], [`ComboBox_Timer_End${n}_Minute`, minute]]);

const kLastPositionsHeader = [
  ['ComboBox_MMSStatus', 'SMS'], ['Edit_MMSNumberPerDay', '99'],
  ['ComboBox_DailyReport_OnOff', 'On'], ['ComboBox_DailyReport_Hour', '23'],
  ['ComboBox_Country', 'Estonia'], ['ComboBox_Operator', 'TELE2'],
];
const kLastPositionsHeaderCli = ['--status', 'sms', '--number-per-day', '99', '--daily-report', 'on',
  '--report-hour', '23', '--country', 'Estonia', '--operator', 'TELE2'];

export const kCases = [
  { kind: 'camera', title: 'defaults', page: [], cli: [] },
  {
    kind: 'camera', title: 'every list at its last position, every group on',
    page: [
      ['ComboBox_Mode', 'Camera+Video'], ['ComboBox_PhotoSize', '5MP'], ['ComboBox_VideoSize', 'VGA'],
      ['ComboBox_ImageBurst', '5 Photo'], ['ComboBox_VideoLength', '60s'], ['ComboBox_Beep', 'On'],
      ['ComboBox_SenseLevel', 'High'], ['ComboBox_TV', 'PAL'], ['ComboBox_TimeStamp', 'Off'],
      ['ComboBox_SetClock_DateFormat', 'M/D/Y'],
      ['ComboBox_Interval_OnOff', 'On'], ['ComboBox_Interval_Minute', '59'], ['ComboBox_Interval_Second', '59'],
      ['ComboBox_TimeLapse_OnOff', 'On'], ['ComboBox_TimeLapse_Hour', '23'], ['ComboBox_TimeLapse_Minute', '59'],
      ['ComboBox_SerialNo_Char1', 'Z'], ['ComboBox_SerialNo_Char2', 'Z'], ['ComboBox_SerialNo_Char3', 'Z'],
      ['ComboBox_SerialNo_Char4', 'Z'], ['ComboBox_Timer_OnOff', 'On'], ...timerPeriods('23', '59'),
    ],
    cli: ['--mode', 'Camera+Video', '--photo-size', '5MP', '--video-size', 'VGA', '--image-burst', '5',
      '--video-length', '60s', '--beep', 'on', '--sense-level', 'high', '--tv', 'PAL', '--time-stamp', 'off',
      '--date-format', 'M/D/Y', '--interval', 'on', '--interval-minute', '59', '--interval-second', '59',
      '--time-lapse', 'on', '--time-lapse-hour', '23', '--time-lapse-minute', '59', '--serial', 'ZZZZ',
      '--timer', 'on', ...[1, 2, 3, 4].flatMap((n) => [`--timer${n}`, '23:59-23:59'])],
  },
  {
    kind: 'camera', title: 'first positions, serial number off',
    page: [['ComboBox_Beep', 'Off'], ['ComboBox_SenseLevel', 'Low'], ['ComboBox_TV', 'NTSC'],
      ['ComboBox_SetClock_DateFormat', 'Y/M/D'], ['ComboBox_SerialNo_OnOff', 'Off']],
    cli: ['--beep', 'off', '--sense-level', 'low', '--tv', 'NTSC', '--date-format', 'Y/M/D', '--serial-no', 'off'],
  },
  { kind: 'mms', title: 'defaults', page: [], cli: [] },
  { kind: 'mms', title: 'Auto, last positions', page: kLastPositionsHeader, cli: kLastPositionsHeaderCli },
  {
    kind: 'mms', title: 'Manual, the longest texts',
    page: [['ComboBox_MMSMode', 'Manual'], ...Object.entries({ ...kLongMms, ...recipients('Edit_Mobile'), ...recipients('Edit_Email') })],
    cli: ['--mode', 'manual', ...cliTexts({ ...kLongMms, ...recipients('Edit_Mobile'), ...recipients('Edit_Email') }, kMmsOptionNames)],
  },
  { kind: 'email', title: 'defaults', page: [], cli: [] },
  { kind: 'email', title: 'Auto, last positions', page: kLastPositionsHeader, cli: kLastPositionsHeaderCli },
  {
    kind: 'email', title: 'Auto, an operator with an SMTP preset',
    page: [['ComboBox_Country', 'Deutschland'], ['Edit_SenderEmail', 'cam@example.de'], ['Edit_Email1', 'me@example.de']],
    cli: ['--country', 'Deutschland', '--sender', 'cam@example.de', '--email1', 'me@example.de'],
  },
  {
    kind: 'email', title: 'Manual, the longest texts',
    page: [['ComboBox_MMSMode', 'Manual'], ...Object.entries({ ...kLongEmail, ...recipients('Edit_Email') })],
    cli: ['--mode', 'manual', ...cliTexts({ ...kLongEmail, ...recipients('Edit_Email') }, kEmailOptionNames)],
  },
];
