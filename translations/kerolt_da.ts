<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="en">
<context>
    <name>Check</name>
    <message>
        <source>problem: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSO line not read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mode %1 does not fit %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mode &quot;%1&quot; is neither CW nor PH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>received number &quot;%1&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>received number 0: the QSO gives no points and no multiplier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sent call %1 differs from CALLSIGN %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no worked call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSO with the entrant&apos;s own call %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frequency &quot;%1&quot; is on no contest band (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frequency &quot;%1&quot; is on no contest band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frequency %1 is outside the %2 band plan on %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSO on %1 in a CATEGORY-BAND %2 entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>date &quot;%1&quot; is no date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSO at %1 %2 is outside %3 (from %4 1200 to the next day 1159 UTC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 gave %2 on line %3, now %4: a copying slip?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLAIMED-SCORE &quot;%1&quot; differs from the log&apos;s score %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time %1 is earlier than the QSO before it (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sent number &quot;%1&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sent number %1 repeats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sent number %1 comes after %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sent number %1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sent numbers %1 to %2 are missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no country found for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not in the contest (Scandinavian with Scandinavian): no points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not in the contest (non-Scandinavian with non-Scandinavian): no points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a dupe of line %2: it stays in the log at 0 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a known contest call; did you mean %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no Latin-1 form: read as &quot;?&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass Ok, %1 note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass Ok, %1 notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 problem, %2 note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 problem, %2 notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 problems, %2 note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 problems, %2 notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: problem: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: note: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than four ADDRESS lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no value: the list still shows &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not one of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no CALLSIGN line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CALLSIGN is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no CONTEST line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no %1 line: it has no value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no END-OF-LOG line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CATEGORY-MODE %1 does not match CONTEST %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CATEGORY-TRANSMITTER %1 is not open to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is open to non-Scandinavian stations only; %3 is %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is open to Scandinavian stations only; %3 is %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass, Nice job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass No QSO</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Not taken: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frequency &quot;%1&quot; is on no contest band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sent number &quot;%1&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>received number &quot;%1&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>call &quot;%1&quot; is longer than %2 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a call: a call has letters and digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the program fills this column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no QSO in this row</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>&apos;%1&apos; taken as nothing: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a minute 00-59</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Realtime is on, the clock keeps the time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a minute needs the hour of a time HHMM in the time field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frequency %1 kHz from this QSO on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frequency %1 kHz from this QSO on, logged as %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a time HHMM (hours 00-23, minutes 00-59) or kHz on a contest band (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected kHz on a contest band (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; after the number is not a valid RST on CW (such as 599)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; after the number is not a valid RST on SSB (such as 59)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; after the number is not a valid RST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sent report &quot;%1&quot; is no report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>received report &quot;%1&quot; is no report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The call would be %1 characters long; a call has at most %2. Nothing was pasted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time &apos;%1&apos; is not four digits (HHMM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report &apos;%1&apos; is not two or three digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The call &apos;%1&apos; is longer than %2 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be a call: a call has letters and digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time &quot;%1&quot; is not a valid HHMM time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sent report &quot;%1&quot; is not a valid RST on CW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>received report &quot;%1&quot; is not a valid RST on CW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sent report &quot;%1&quot; is not a valid RST on SSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>received report &quot;%1&quot; is not a valid RST on SSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sent number is empty: type the number this QSO was given in the sent Nr field, then Enter again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sent number %1 would have more than %2 digits, which the QSO line cannot hold</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>no call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>date &quot;%1&quot; is no date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time &quot;%1&quot; is no time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSO %1 (%2 %3 %4): %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These QSOs were left out of the ADIF file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log has no callsign: type it on the &quot;Data input&quot; page, then export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log has no QSOs: there is nothing to export.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, the most Kerolt reads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes, the most Kerolt reads</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>How to make your log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start on the &quot;Data input&quot; page and fill in your station information. Tab takes you
to the next field and Shift+Tab back to the one before. Enter moves on as well,
though not in the e-mail field and the lists: from the callsign to the contest
list, and from the operators through the name and the address lines to the
claimed score, the club and the soapbox.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>• Callsign: the call you used in the contest. When you leave the field Kerolt
  shows whether you count as Scandinavian, Non Scandinavian or
  Non Scandinavian-DX, and offers only the categories open to you.
• Operators: the calls of the operators.
• Name, Address (three lines) and e-mail: so that the contest manager can
  reach you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lists in the middle offer these choices:
• Contest: SAC-CW or SAC-SSB.
• Category-Assisted: NON-ASSISTED or ASSISTED.
• Category-Band: ALL, 80M, 40M, 20M, 15M or 10M for Scandinavian stations;
  all others choose ALL or LOW-BAND (80 and 40 m).
• Category-Operator: SINGLE-OP, MULTI-OP or CHECKLOG. SINGLE-OP leaves ONE as
  the only transmitter choice.
• Category-Transmitter: ONE or UNLIMITED.
• Category-Power: HIGH, LOW or QRP.
• Category-Overlay: nothing, ROOKIE, TB-WIRES, CLASSIC or WIRE-ONLY; this
  list is shown to Scandinavian stations only.
To pick a choice, click the arrow at the right of the list and click the entry,
or step through the entries with the Up and Down arrow keys. Until you pick one
a list shows its own name, such as Category-Power, and that name goes into the
Cabrillo log as it stands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>• Clamed Score: you need not type it. Kerolt takes it from the score table of
  the &quot;Log input&quot; page and fills it in for you.
• Club and Soapbox are optional. In the soapbox you may tell about your
  equipment, give your e-mail address or write a short comment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &quot;Log input&quot; page appears as soon as you have chosen the contest and typed a
callsign of at least three characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menus open with Alt and their underlined letter: Alt+F for File, Alt+U for
SetUp, Alt+H for Help, and Alt+K runs Check. F10 opens the File menu; the arrow
keys go on from there. Ctrl+N starts a new log; Ctrl+O opens a log, Ctrl+S saves it,
F1 shows this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the &quot;Log input&quot; page:
• The date follows from the contest you chose: Kerolt knows the contest weekend
  of this year and shows the date of a QSO logged at the time in the time field.
• The band field offers 3500, 7000, 14000, 21000 and 28000 (80, 40, 20, 15 and
  10 m). It stays red until you choose a band. Alt+B steps the band up,
  Alt+V steps it down.
• The time field starts at 1200. While Realtime is off, the Up and Down arrow
  keys, or the plus and minus keys of the numeric keypad, step it one minute
  forward or back (the arrow keys not while the grid or the band field has the
  focus). You may also type the time as four digits, HHMM.
• Realtime mode (SetUp, Realtime) keeps the time field at the computer&apos;s clock,
  once a second. The computer clock must be set to UTC for this.
• AutoSave (SetUp, AutoSave) is on at the first start: after every change of
  the log (a QSO, a correction, a deleted row, a station field) Kerolt writes
  the whole Cabrillo log to the file Last.log in the folder it was started from.
  Click SetUp, AutoSave to switch it off. Realtime and AutoSave stay as you left
  them for the next start. If Kerolt or the computer stops, start Kerolt again in
  the same folder: when Last.log holds QSOs that are in no saved file, Kerolt
  offers to open it.
• The sent serial number starts at 1 and counts up by itself after every QSO
  (up to five digits). You can change it, and the sent and received reports, by
  typing in their fields; Enter in the sent report or sent number field takes
  you on to the received number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to type a QSO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>• Choose the band.
• When you log after the contest, choose the time of the QSO.
• Type the worked call; the call field has the focus.
• Press Space for the dupe check. A call already logged on the band turns the
  call field red as you type it, and Space then leaves you in the call field:
  Esc erases the call, or Enter takes you to the number field to log it
  anyway. Otherwise Space takes you to the number field.
• Type the received number.
• Press Enter to log the QSO.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In realtime mode it is even shorter: call, Space, number, Enter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typing a paper log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the time and the frequency where the call goes, each ended with Space;
the call field is emptied for the call, and the time field and the band field
show at once what was taken:
• 1 or 2 digits: the minute. The hour stays, or goes on to the next hour when
  the minute is before the time field&apos;s minute (1358, then 03, gives 1403;
  1358, then 58, stays 1358 for a second QSO in that minute; after 2358, 03
  gives 0003).
• 3 or 4 digits: the time, HMM or HHMM (930 or 0930; 028 for 0028).
• A frequency in kHz on a contest band (3500-4000, 7000-7300, 14000-14350,
  21000-21450, 28000-29700), whole or with decimals such as 14025.5: the band
  field follows, and this and the next QSOs carry that frequency until you
  type another or choose a band with Alt+B or Alt+V, which gives the band&apos;s own
  value again. The log takes whole kHz: 14025.5 is logged as 14026, 14025.4
  as 14025. A frequency typed goes before the rig&apos;s until the rig moves.
• A report other than 599 goes after the received number, with Space between:
  15 579 logs number 15 with report 579 for this QSO alone.
Anything else of digits only is refused with a note in the status bar, and
nothing changes. While Realtime is on, the clock keeps the time and a typed
time is refused; a frequency is still taken.
Example, from paper &quot;1413 14025.5 DL1ABC 15 579&quot;, then &quot;17 OH2XYZ 16&quot;:
  1413 Space 14025.5 Space DL1ABC Space 15 Space 579 Enter
  17 Space OH2XYZ Space 16 Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The score table beside the log is updated after each QSO. The line below it
gives your rate: the QSOs in the last 60 minutes and the rate of the last ten
QSOs per hour, counted by the QSO times; it counts the QSOs the score table
counts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File, Results... shows your contest by band (QSOs, dupes, QSOs worth no points,
points and multipliers), the score, the operating time, the best 60 minutes and
a chart of your QSOs in each hour of the contest. It keeps up with the log while
it is open. Copy summary puts a short text for score-reporting sites on the
clipboard. The score table, the rate line, the results and the summary count
the same QSOs: every QSO in the contest, dupes and QSOs worth no points
included. A QSO not in the contest (a Scandinavian working a Scandinavian, or two stations outside
Scandinavia) or on no contest band stays in the log but is counted nowhere; the
results tell how many there are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beside the number field Kerolt tells what the typed call is worth on the band
before you log it: DUPE, NEW MULT with the multiplier, the points, or 0 pts
and why; &quot;3 pts: no country found&quot; for a call the country file does not know.
From 2018 on, log 000 when a station gives no serial number; such a QSO gives
no points and no multiplier.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How Kerolt scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A QSO counts only between a Scandinavian station (SM, OH, OH0, LA, OZ, TF, OX,
OJ0, OY, JX or JW) and a station outside Scandinavia. What it is worth depends
on your class, shown on the station page:
• Scandinavian: 2 points for a station in Europe, 3 for one outside Europe
  (and for a call whose country Kerolt cannot find). The multiplier is the
  station&apos;s country: each country once on each band (DL, K, JA...).
• Non Scandinavian (Europe): 1 point for each Scandinavian station.
• Non Scandinavian-DX: 3 points on 80 and 40 m, 1 point on 20, 15 and 10 m.
  For both, the multiplier is the Scandinavian prefix with its call area digit,
  once on each band: SM5ABC gives SM5, OH2XYZ OH2; OH0 and OJ0 count as they
  are, and a prefix written in front (OZ/DL1ABC) gives OZ0.
• A dupe (the same call again on the same band) stays in the log and counts as
  a QSO, with 0 points. The call is compared whole, as many characters as the
  call field holds (13).
• From 2018 on, a QSO whose received number is 000 counts as a QSO with 0
  points and no multiplier.
• The score is the sum of the points of all bands times the sum of the
  multipliers of all bands.
• A call written with a country after the &quot;/&quot; is scored where it was worked
  from: W1AW/OH is in Finland, OH2XX/W1 in the USA. /P, /M, /MM, /AM, /QRP, /A
  and a lone digit (SM5ABC/7 is in SM7) keep the home country.
A QSO not in the contest, or on a frequency off the five bands, stays in the
log with empty Mult and P cells and is counted nowhere: not in the score
table, the rate line, the results or the summary.
The contest bands are 80, 40, 20, 15 and 10 m: 3500-4000, 7000-7300,
14000-14350, 21000-21450 and 28000-29700 kHz. The rules&apos; band plan keeps each
mode to part of them (CW 3510-3560, 7000-7040, 14000-14060, 21000-21070,
28000-28070; SSB 3600-3650 and 3700-3800, 7060-7100 and 7130-7200,
14125-14300, 21151-21450, 28320-29000); a QSO outside it is logged and scored,
and the Check marks it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the digit zero, not the letter O, in the time, number and call fields.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When you search and pounce, type the call and press Space: a red call field
means you have worked the station on this band already; press Esc and tune on,
or press Enter, type the number and press Enter to log it anyway.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To correct the log, click a cell of the grid and type; move around with the
mouse, Tab and the arrow keys. To delete the last QSO, right-click the grid and
choose &quot;Delete last row&quot;. A correction follows the rules of the entry fields: a
value the field would not take is refused, the old one stays and the status bar
says why. Kerolt scores the whole log again with each correction. Cells that
came in bad from a file are pink until you correct them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File, New (Ctrl+N) starts an empty log in this year&apos;s contest; the station page
stays. Whenever the log has changed since it was last saved or opened, the
window&apos;s title shows a * and Kerolt asks before the log goes (Exit, Open,
Import, New).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &quot;Cabrillo log&quot; page shows the log as it will be sent; it cannot be edited
there. The Check command of the menu bar (Alt+K, from any page) tells how many
problems and notes the check finds and names the first few. Lines that a
log robot would question are marked red (a problem) or yellow (a note); point
at a marked line to see why: a QSO outside the contest weekend, a frequency
on a band SAC does not use or outside its band plan, a category value the rules
do not know, a claimed score other than the log&apos;s, and more. The Cabrillo text
follows every new QSO and every correction.
With a MASTER.SCP list of contest calls in the folder (or the one of the
hamradio-files package), the known calls that contain what you type in the call
field are listed below the score table; SetUp, Check partial turns it off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logging live with the rig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SetUp, Rig... connects Kerolt to your radio through Hamlib. Choose the model
(&quot;Hamlib NET rigctl&quot; reaches a rigctld that already runs), the port (a serial
device such as /dev/ttyUSB0, or host:port for rigctld) and the speed; &quot;Off&quot; in
the model list disconnects it. Kerolt remembers the rig and connects again at
the next start.
• About once a second Kerolt reads the rig&apos;s frequency and mode and shows them
  in the status bar, followed by (not CW) or (not SSB) when the mode does not
  fit the contest.
• When the rig moves to another contest band, the band field follows it. A band
  chosen with Alt+B or Alt+V stays until the rig moves again.
• A QSO logged on the rig&apos;s band carries the rig&apos;s frequency in kHz, such as
  14025, instead of 14000.
• A rig that is off or unplugged never holds up your typing: the status bar
  says &quot;no rig&quot;, the QSOs carry the band, and Kerolt connects again by itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File, Save... saves the Cabrillo log. Kerolt proposes your callsign as the file
name, with .log after it and every &quot;/&quot; replaced by &quot;-&quot; (SM5QQQ/P gives
SM5QQQ-P.log). To continue a saved log later, open it with File, Open....
You may edit the Cabrillo file in any text editor before you send it. Open
reads a log of any layout by its fields; a QSO line it cannot read is named in
one message after the load, and the rest of the log opens.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the Cabrillo file to the SAC contest manager as the rules of the year say:
upload it on the contest&apos;s web site, www.sactest.net, or send it by e-mail, in
time for the log deadline given in those rules.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADIF: your logbook and the QSL services</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>• File, Export ADIF... writes the log as an ADIF file for your everyday
  logbook, LoTW, Club Log or QRZ. Kerolt proposes your callsign with .adi after
  it, in the folder of the log. Each QSO keeps its date, time, band, mode
  (CW or SSB), reports, the sent and received numbers, the contest
  (SAC-CW or SAC-SSB) and your callsign; dupes are QSOs and go too.
• File, Import ADIF... makes a new log from the ADIF file of the logger you
  used on the air, as File, Open... does with a Cabrillo file. Only the QSOs
  of the contest weekend, on the five contest bands and in the contest&apos;s mode
  are taken; a message counts and names the others. The contest comes from
  the file, and your callsign from it too when the station page has none.
  Check the station page and save the log before you send it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>%1 %2 to %3 %4 UTC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an ADIF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tag has no closing &apos;&gt;&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;&lt;%1&gt;&apos; is no ADIF tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;EOH&gt; after the header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the field &lt;%1&gt; has no length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the field &lt;%1&gt; runs past the end of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last record has no &lt;EOR&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no valid date (YYYYMMDD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no valid time (HHMM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in another mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not on a contest band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>outside the contest period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no received number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not fit for the log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sent report &quot;%1&quot; is not a valid RST on CW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The received report &quot;%1&quot; is not a valid RST on CW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sent report &quot;%1&quot; is not a valid RST on SSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The received report &quot;%1&quot; is not a valid RST on SSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sent report &quot;%1&quot; is no report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The received report &quot;%1&quot; is no report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSO %1 (%2 %3 %4): %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No QSO lies in a %1 or %2 weekend (Saturday %3 to Sunday %4 UTC).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, the contest on the station page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, the contest weekend with the most QSOs in the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, the contest weekend with the most QSOs in the file. It has none in %2, the contest on the station page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has more QSOs (%1) in %2: choose %3 on the station page to take those.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no QSO.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 QSO taken; not taken:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 QSOs taken; not taken:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 QSO taken, %3 outside that contest; not taken:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 QSOs taken, %3 outside that contest; not taken:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QsoGrid</name>
    <message>
        <source>Row</source>
        <comment>the QSO&apos;s number in the log</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freq.</source>
        <comment>frequency or band</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <comment>UTC</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RST</source>
        <comment>sent</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nr</source>
        <comment>serial number sent</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call</source>
        <comment>the station worked</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RST</source>
        <comment>received</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NR</source>
        <comment>serial number received</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mult</source>
        <comment>multiplier</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P</source>
        <comment>points</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reader</name>
    <message>
        <source>%1 is not a Cabrillo 3.0 log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no header tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These lines were not read as QSOs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 X-QSO line is kept as an X-QSO line: not scored, no dupe, in no total.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 X-QSO lines are kept as X-QSO lines: not scored, no dupes, in no total.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These lines were not read:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving over the file leaves these lines out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is UTF-8; these characters have no Latin-1 form and became &quot;?&quot;:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no sent call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no sent report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no sent number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no received report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no received number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>date &quot;%1&quot; is no date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sent call &quot;%1&quot; is a number, not a call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>call &quot;%1&quot; is a number, not a call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no QSO line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; after the received number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>%1 QSO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 QSOs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operating time: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the air: %1 (breaks of %2 min or more left out)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best 60 min: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without a time: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not in the contest, not counted: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On no contest band, not counted: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 60 min: %1  Last 10: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Rig</name>
    <message>
        <source>no rig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 (not CW)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 (not SSB)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Score</name>
    <message>
        <source>0 pts: Scandinavian with Scandinavian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 pts: not in the contest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NEW MULT %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DUPE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 pts: received 000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pt: no country found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pts: no country found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationLists</name>
    <message>
        <source>Contest</source>
        <extracomment>The text a station list shows while nothing is chosen in it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category-Assisted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category-Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category-Operator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category-Transmitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category-Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category-Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category-Overlay</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kerolt follows the desktop&apos;s language from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kerolt speaks %1 from its next start.</source>
        <extracomment>%1 is the language&apos;s name in that language: Svenska, Suomi, ...</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kerolt::AdifCommands</name>
    <message>
        <source>&amp;Import ADIF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export ADIF...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kerolt::PartialCalls</name>
    <message>
        <source>* worked in this log, = the call typed, ~ one character away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check &amp;partial</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>+%n more</source>
        <comment>calls not shown</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kerolt::ResultsControl</name>
    <message>
        <source>&amp;Results...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kerolt::ResultsWindow</name>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSOs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dupes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 pts</source>
        <comment>QSOs worth no points</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mults</source>
        <comment>multipliers</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <comment>all bands</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The summary for score-reporting sites, as plain text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSOs per hour (UTC)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kerolt::RigControl</name>
    <message>
        <source>R&amp;ig...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kerolt::RigDialog</name>
    <message>
        <source>Rig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no rig</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/dev/ttyUSB0 or localhost:4532</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rig&apos;s own</source>
        <comment>serial speed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <comment>rig model</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <comment>serial port or network address</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <comment>serial speed in baud</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kerolt::TAboutBox</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual Cabrillo log input for SAC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version - %1  2011-09-16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kerolt developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To make SAC easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kerolt::TForm1</name>
    <message>
        <source>Save Mult List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Realtime: On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Realtime: Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AutoSave: On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AutoSave: Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The check&apos;s summary: the problems counted, then the notes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 (point at a marked line for why)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kerolt Ver %1 - Manual Cabrillo input for SAC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last.log holds %1 QSO in no saved file, written %2 UTC. Open it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last.log holds %1 QSOs in no saved file, written %2 UTC. Open it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit </source>
        <comment>message box title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <comment>message box title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <comment>message box title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save the log before exit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save the log before opening another?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save the log before starting a new one?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit without Saving?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cabrillo log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mult List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set&amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Realtime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;AutoSave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chec&amp;k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;HowTo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete last row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Callsign used during the contest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Callsign of the Operators</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Club (Not needed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Callsign </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operators</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program will fill in this for you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Soapbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clamed Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Club</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MyCall</source>
        <comment>the own callsign&apos;s place until one is typed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent</source>
        <comment>the button that shows the sent report and number</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received</source>
        <comment>the button that shows the received report and number</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freqv.</source>
        <comment>the frequency list&apos;s text while no frequency is chosen</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>80 meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>40 meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20 meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 meter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kerolt::TForm3</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
