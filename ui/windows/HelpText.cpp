#include "ui/windows/HelpText.h"

#include <QCoreApplication>

namespace kerolt {

namespace {

// The help in paragraphs, so that each is translated on its own; a title gets its line of
// hyphens of the translated title's length. Bulleted steps start with a bullet, indented lines
// continue them.
struct HelpPart {
    bool Title;
    const char* Text;
};

const HelpPart Parts[] = {
    {true, QT_TRANSLATE_NOOP("HelpText", "How to make your log")},
    {false, QT_TRANSLATE_NOOP("HelpText", R"(Start on the "Data input" page and fill in your station information. Tab takes you
to the next field and Shift+Tab back to the one before. Enter moves on as well,
though not in the e-mail field and the lists: from the callsign to the contest
list, and from the operators through the name and the address lines to the
claimed score, the club and the soapbox.)")},
    {false, QT_TRANSLATE_NOOP("HelpText", R"(• Callsign: the call you used in the contest. When you leave the field Kerolt
  shows whether you count as Scandinavian, Non Scandinavian or
  Non Scandinavian-DX, and offers only the categories open to you.
• Operators: the calls of the operators.
• Name, Address (three lines) and e-mail: so that the contest manager can
  reach you.)")},
    {false, QT_TRANSLATE_NOOP("HelpText", R"(The lists in the middle offer these choices:
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
Cabrillo log as it stands.)")},
    {false, QT_TRANSLATE_NOOP("HelpText", R"(• Clamed Score: you need not type it. Kerolt takes it from the score table of
  the "Log input" page and fills it in for you.
• Club and Soapbox are optional. In the soapbox you may tell about your
  equipment, give your e-mail address or write a short comment.)")},
    {false, QT_TRANSLATE_NOOP("HelpText", R"(The "Log input" page appears as soon as you have chosen the contest and typed a
callsign of at least three characters.)")},
    {false, QT_TRANSLATE_NOOP("HelpText", R"(The menus open with Alt and their underlined letter: Alt+F for File, Alt+U for
SetUp, Alt+H for Help, and Alt+K runs Check. F10 opens the File menu; the arrow
keys go on from there. Ctrl+N starts a new log; Ctrl+O opens a log, Ctrl+S saves it,
F1 shows this help.)")},
    {false, QT_TRANSLATE_NOOP("HelpText", R"(SetUp, Language chooses the language of the window and of this help: English,
Svenska, Suomi, Norsk bokmål or Dansk, or Follow the desktop, which takes your
desktop's language. Kerolt speaks a new choice from its next start. The Cabrillo
log is the same in every language.)")},
    {false, QT_TRANSLATE_NOOP("HelpText", R"(On the "Log input" page:
• The date follows from the contest you chose: Kerolt knows the contest weekend
  of this year and shows the date of a QSO logged at the time in the time field.
• The band field offers 3500, 7000, 14000, 21000 and 28000 (80, 40, 20, 15 and
  10 m). It stays red until you choose a band. Alt+B steps the band up,
  Alt+V steps it down.
• The time field starts at 1200. While Realtime is off, the Up and Down arrow
  keys, or the plus and minus keys of the numeric keypad, step it one minute
  forward or back (the arrow keys not while the grid or the band field has the
  focus). You may also type the time as four digits, HHMM.
• Realtime mode (SetUp, Realtime) keeps the time field at the computer's clock,
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
  you on to the received number.)")},
    {true, QT_TRANSLATE_NOOP("HelpText", "How to type a QSO")},
    {false, QT_TRANSLATE_NOOP("HelpText", R"(• Choose the band.
• When you log after the contest, choose the time of the QSO.
• Type the worked call; the call field has the focus.
• Press Space for the dupe check. A call already logged on the band turns the
  call field red as you type it, and Space then leaves you in the call field:
  Esc erases the call, or Enter takes you to the number field to log it
  anyway. Otherwise Space takes you to the number field.
• Type the received number.
• Press Enter to log the QSO.)")},
    {false, QT_TRANSLATE_NOOP("HelpText", R"(In realtime mode it is even shorter: call, Space, number, Enter.)")},
    {true, QT_TRANSLATE_NOOP("HelpText", "Typing a paper log")},
    {false, QT_TRANSLATE_NOOP("HelpText", R"(Type the time and the frequency where the call goes, each ended with Space;
the call field is emptied for the call, and the time field and the band field
show at once what was taken:
• 1 or 2 digits: the minute. The hour stays, or goes on to the next hour when
  the minute is before the time field's minute (1358, then 03, gives 1403;
  1358, then 58, stays 1358 for a second QSO in that minute; after 2358, 03
  gives 0003).
• 3 or 4 digits: the time, HMM or HHMM (930 or 0930; 028 for 0028).
• A frequency in kHz on a contest band (3500-4000, 7000-7300, 14000-14350,
  21000-21450, 28000-29700), whole or with decimals such as 14025.5: the band
  field follows, and this and the next QSOs carry that frequency until you
  type another or choose a band with Alt+B or Alt+V, which gives the band's own
  value again. The log takes whole kHz: 14025.5 is logged as 14026, 14025.4
  as 14025. A frequency typed goes before the rig's until the rig moves.
• A report other than 599 goes after the received number, with Space between:
  15 579 logs number 15 with report 579 for this QSO alone.
Anything else of digits only is refused with a note in the status bar, and
nothing changes. While Realtime is on, the clock keeps the time and a typed
time is refused; a frequency is still taken.
Example, from paper "1413 14025.5 DL1ABC 15 579", then "17 OH2XYZ 16":
  1413 Space 14025.5 Space DL1ABC Space 15 Space 579 Enter
  17 Space OH2XYZ Space 16 Enter)")},
    {false, QT_TRANSLATE_NOOP("HelpText", R"(The score table beside the log is updated after each QSO. The line below it
gives your rate: the QSOs in the last 60 minutes and the rate of the last ten
QSOs per hour, counted by the QSO times; it counts the QSOs the score table
counts.)")},
    {false, QT_TRANSLATE_NOOP("HelpText", R"(File, Results... shows your contest by band (QSOs, dupes, QSOs worth no points,
points and multipliers), the score, the operating time, the best 60 minutes and
a chart of your QSOs in each hour of the contest. It keeps up with the log while
it is open. Copy summary puts a short text for score-reporting sites on the
clipboard. The score table, the rate line, the results and the summary count
the same QSOs: every QSO in the contest, dupes and QSOs worth no points
included. A QSO not in the contest (a Scandinavian working a Scandinavian, or two stations outside
Scandinavia) or on no contest band stays in the log but is counted nowhere; the
results tell how many there are.)")},
    {false, QT_TRANSLATE_NOOP("HelpText", R"(Beside the number field Kerolt tells what the typed call is worth on the band
before you log it: DUPE, NEW MULT with the multiplier, the points, or 0 pts
and why; "3 pts: no country found" for a call the country file does not know.
From 2018 on, log 000 when a station gives no serial number; such a QSO gives
no points and no multiplier.)")},
    {true, QT_TRANSLATE_NOOP("HelpText", "How Kerolt scores")},
    {false, QT_TRANSLATE_NOOP("HelpText", R"(A QSO counts only between a Scandinavian station (SM, OH, OH0, LA, OZ, TF, OX,
OJ0, OY, JX or JW) and a station outside Scandinavia. What it is worth depends
on your class, shown on the station page:
• Scandinavian: 2 points for a station in Europe, 3 for one outside Europe
  (and for a call whose country Kerolt cannot find). The multiplier is the
  station's country: each country once on each band (DL, K, JA...).
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
• A call written with a country after the "/" is scored where it was worked
  from: W1AW/OH is in Finland, OH2XX/W1 in the USA. /P, /M, /MM, /AM, /QRP, /A
  and a lone digit (SM5ABC/7 is in SM7) keep the home country.
A QSO not in the contest, or on a frequency off the five bands, stays in the
log with empty Mult and P cells and is counted nowhere: not in the score
table, the rate line, the results or the summary.
The contest bands are 80, 40, 20, 15 and 10 m: 3500-4000, 7000-7300,
14000-14350, 21000-21450 and 28000-29700 kHz. The rules' band plan keeps each
mode to part of them (CW 3510-3560, 7000-7040, 14000-14060, 21000-21070,
28000-28070; SSB 3600-3650 and 3700-3800, 7060-7100 and 7130-7200,
14125-14300, 21151-21450, 28320-29000); a QSO outside it is logged and scored,
and the Check marks it.)")},
    {false, QT_TRANSLATE_NOOP("HelpText", R"(Type the digit zero, not the letter O, in the time, number and call fields.)")},
    {false, QT_TRANSLATE_NOOP("HelpText", R"(When you search and pounce, type the call and press Space: a red call field
means you have worked the station on this band already; press Esc and tune on,
or press Enter, type the number and press Enter to log it anyway.)")},
    {false, QT_TRANSLATE_NOOP("HelpText", R"(To correct the log, click a cell of the grid and type; move around with the
mouse, Tab and the arrow keys. To delete the last QSO, right-click the grid and
choose "Delete last row". A correction follows the rules of the entry fields: a
value the field would not take is refused, the old one stays and the status bar
says why. Kerolt scores the whole log again with each correction. Cells that
came in bad from a file are pink until you correct them.)")},
    {false, QT_TRANSLATE_NOOP("HelpText", R"(File, New (Ctrl+N) starts an empty log in this year's contest; the station page
stays. Whenever the log has changed since it was last saved or opened, the
window's title shows a * and Kerolt asks before the log goes (Exit, Open,
Import, New).)")},
    {false, QT_TRANSLATE_NOOP("HelpText", R"(The "Cabrillo log" page shows the log as it will be sent; it cannot be edited
there. The Check command of the menu bar (Alt+K, from any page) tells how many
problems and notes the check finds and names the first few. Lines that a
log robot would question are marked red (a problem) or yellow (a note); point
at a marked line to see why: a QSO outside the contest weekend, a frequency
on a band SAC does not use or outside its band plan, a category value the rules
do not know, a claimed score other than the log's, and more. The Cabrillo text
follows every new QSO and every correction.
With a MASTER.SCP list of contest calls in the folder (or the one of the
hamradio-files package), the known calls that contain what you type in the call
field are listed below the score table; SetUp, Check partial turns it off.)")},
    {true, QT_TRANSLATE_NOOP("HelpText", "Logging live with the rig")},
    {false, QT_TRANSLATE_NOOP("HelpText", R"(SetUp, Rig... connects Kerolt to your radio through Hamlib. Choose the model
("Hamlib NET rigctl" reaches a rigctld that already runs), the port (a serial
device such as /dev/ttyUSB0, or host:port for rigctld) and the speed; "Off" in
the model list disconnects it. Kerolt remembers the rig and connects again at
the next start.
• About once a second Kerolt reads the rig's frequency and mode and shows them
  in the status bar, followed by (not CW) or (not SSB) when the mode does not
  fit the contest.
• When the rig moves to another contest band, the band field follows it. A band
  chosen with Alt+B or Alt+V stays until the rig moves again.
• A QSO logged on the rig's band carries the rig's frequency in kHz, such as
  14025, instead of 14000.
• A rig that is off or unplugged never holds up your typing: the status bar
  says "no rig", the QSOs carry the band, and Kerolt connects again by itself.)")},
    {false, QT_TRANSLATE_NOOP("HelpText", R"(File, Save... saves the Cabrillo log. Kerolt proposes your callsign as the file
name, with .log after it and every "/" replaced by "-" (SM5QQQ/P gives
SM5QQQ-P.log). To continue a saved log later, open it with File, Open....
You may edit the Cabrillo file in any text editor before you send it. Open
reads a log of any layout by its fields; a QSO line it cannot read is named in
one message after the load, and the rest of the log opens.)")},
    {false, QT_TRANSLATE_NOOP("HelpText", R"(Send the Cabrillo file to the SAC contest manager as the rules of the year say:
upload it on the contest's web site, www.sactest.net, or send it by e-mail, in
time for the log deadline given in those rules.)")},
    {true, QT_TRANSLATE_NOOP("HelpText", "ADIF: your logbook and the QSL services")},
    {false, QT_TRANSLATE_NOOP("HelpText", R"(• File, Export ADIF... writes the log as an ADIF file for your everyday
  logbook, LoTW, Club Log or QRZ. Kerolt proposes your callsign with .adi after
  it, in the folder of the log. Each QSO keeps its date, time, band, mode
  (CW or SSB), reports, the sent and received numbers, the contest
  (SAC-CW or SAC-SSB) and your callsign; dupes are QSOs and go too.
• File, Import ADIF... makes a new log from the ADIF file of the logger you
  used on the air, as File, Open... does with a Cabrillo file. Only the QSOs
  of the contest weekend, on the five contest bands and in the contest's mode
  are taken; a message counts and names the others. The contest comes from
  the file, and your callsign from it too when the station page has none.
  Check the station page and save the log before you send it.)")},
};

}  // namespace

QString HelpText() {
    QString text;
    bool afterTitle = false;
    for (const HelpPart& part : Parts) {
        const QString translated = QCoreApplication::translate("HelpText", part.Text);
        if (!text.isEmpty()) text += afterTitle ? QStringLiteral("\n") : QStringLiteral("\n\n");
        text += translated;
        if (part.Title) text += QLatin1Char('\n') + QString(translated.size(), QLatin1Char('-'));
        afterTitle = part.Title;
    }
    return text + QLatin1Char('\n');
}

}  // namespace kerolt
