#include "ui/HelpText.h"

namespace kerolt {

namespace {

// Each section starts with its title and a line of hyphens of the title's length; bulleted
// steps start with a bullet, indented lines continue them.
const char* const Text = R"(How to make your log
--------------------
Start on the "Data input" page and fill in your station information. Tab takes you
to the next field and Shift+Tab back to the one before. Enter moves on as well,
though not in the e-mail field and the lists: from the callsign to the contest
list, and from the operators through the name and the address lines to the
claimed score, the club and the soapbox.

• Callsign: the call you used in the contest. When you leave the field Kerolt
  shows whether you count as Scandinavian, Non Scandinavian or
  Non Scandinavian-DX, and offers only the categories open to you.
• Operators: the calls of the operators.
• Name, Address (three lines) and e-mail: so that the contest manager can
  reach you.

The lists in the middle offer these choices:
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
Cabrillo log as it stands.

• Clamed Score: you need not type it. Kerolt takes it from the score table of
  the "Log input" page and fills it in for you.
• Club and Soapbox are optional. In the soapbox you may tell about your
  equipment, give your e-mail address or write a short comment.

The "Log input" page appears as soon as you have chosen the contest and typed a
callsign of at least three characters.

On the "Log input" page:
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
• AutoSave (SetUp, AutoSave) is on from the start: after every QSO Kerolt writes
  the whole Cabrillo log to the file Last.log in the folder it was started from.
  Click SetUp, AutoSave to switch it off. If Kerolt or the computer stops, start
  Kerolt again, open Last.log with File, Open... and, when you log live, switch
  Realtime on again.
• The sent serial number starts at 1 and counts up by itself after every QSO.
  You can change it, and the sent and received reports, by typing in their
  fields.

How to type a QSO
-----------------
• Choose the band.
• When you log after the contest, choose the time of the QSO.
• Type the worked call; the call field has the focus.
• Press Space for the dupe check. A call already logged on the band turns the
  call field red as you type it, and Space then leaves you in the call field:
  Esc erases the call, or Enter takes you to the number field to log it
  anyway. Otherwise Space takes you to the number field.
• Type the received number.
• Press Enter to log the QSO.

In realtime mode it is even shorter: call, Space, number, Enter.

The score table beside the log is updated after each QSO.

Type the digit zero, not the letter O, in the time, number and call fields.

When you search and pounce, type the call and press Space: a red call field
means you have worked the station on this band already; press Esc and tune on,
or press Enter, type the number and press Enter to log it anyway.

To correct the log, click a cell of the grid and type; move around with the
mouse, Tab and the arrow keys. To delete the last QSO, right-click the grid and
choose "Delete last row". When you leave the grid, Kerolt scores the whole log
again with your corrections.

The "Cabrillo log" page shows the log as it will be sent; it cannot be edited
there. The Check command of the menu bar gives it a quick check. Lines that a
log robot would question are marked red (a problem) or yellow (a note); point
at a marked line to see why: a QSO outside the contest weekend, a frequency
on a band SAC does not use or outside its band plan, a category value the rules
do not know, a claimed score other than the log's, and more. The Cabrillo text
follows every new QSO and every correction.
With a MASTER.SCP list of contest calls in the folder (or the one of the
hamradio-files package), the known calls that contain what you type in the call
field are listed below the score table; SetUp, Check partial turns it off.

File, Save... saves the Cabrillo log. Kerolt proposes your callsign as the file
name, with .log after it and every "/" replaced by "-" (SM5QQQ/P gives
SM5QQQ-P.log). To continue a saved log later, open it with File, Open....
You may edit the Cabrillo file in any text editor before you send it. Open
reads a log of any layout by its fields; a QSO line it cannot read is named in
one message after the load, and the rest of the log opens.

Send the Cabrillo file to the SAC contest manager as the rules of the year say:
upload it on the contest's web site, www.sactest.net, or send it by e-mail, in
time for the log deadline given in those rules.
)";

}  // namespace

QString HelpText() {
    return QString::fromUtf8(Text);
}

}  // namespace kerolt
