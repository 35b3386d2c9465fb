<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>Check</name>
    <message>
        <source>problem: %1</source>
        <translation>problem: %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>anmärkning: %1</translation>
    </message>
    <message>
        <source>QSO line not read: %1</source>
        <translation>QSO-rad inte läst: %1</translation>
    </message>
    <message>
        <source>mode %1 does not fit %2</source>
        <translation>trafiksättet %1 passar inte %2</translation>
    </message>
    <message>
        <source>mode &quot;%1&quot; is neither CW nor PH</source>
        <translation>trafiksättet &quot;%1&quot; är varken CW eller PH</translation>
    </message>
    <message>
        <source>received number &quot;%1&quot; is not a number</source>
        <translation>mottaget nummer &quot;%1&quot; är inget tal</translation>
    </message>
    <message>
        <source>received number 0: the QSO gives no points and no multiplier</source>
        <translation>mottaget nummer 0: QSO:t ger varken poäng eller multiplikator</translation>
    </message>
    <message>
        <source>sent call %1 differs from CALLSIGN %2</source>
        <translation>sänd signal %1 skiljer sig från CALLSIGN %2</translation>
    </message>
    <message>
        <source>no worked call</source>
        <translation>ingen kontaktad signal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a call</source>
        <translation>&quot;%1&quot; kan inte vara en anropssignal</translation>
    </message>
    <message>
        <source>QSO with the entrant&apos;s own call %1</source>
        <translation>QSO med deltagarens egen signal %1</translation>
    </message>
    <message>
        <source>frequency &quot;%1&quot; is on no contest band (%2)</source>
        <translation>frekvensen &quot;%1&quot; ligger inte på något testband (%2)</translation>
    </message>
    <message>
        <source>frequency &quot;%1&quot; is on no contest band</source>
        <translation>frekvensen &quot;%1&quot; ligger inte på något testband</translation>
    </message>
    <message>
        <source>frequency %1 is outside the %2 band plan on %3</source>
        <translation>frekvensen %1 ligger utanför bandplanen för %2 på %3</translation>
    </message>
    <message>
        <source>QSO on %1 in a CATEGORY-BAND %2 entry</source>
        <translation>QSO på %1 i en logg med CATEGORY-BAND %2</translation>
    </message>
    <message>
        <source>date &quot;%1&quot; is no date</source>
        <translation>datumet &quot;%1&quot; är inget datum</translation>
    </message>
    <message>
        <source>QSO at %1 %2 is outside %3 (from %4 1200 to the next day 1159 UTC)</source>
        <translation>QSO den %1 kl. %2 ligger utanför %3 (från %4 1200 till nästa dag 1159 UTC)</translation>
    </message>
    <message>
        <source>%1 gave %2 on line %3, now %4: a copying slip?</source>
        <translation>%1 gav %2 på rad %3, nu %4: en felskrivning?</translation>
    </message>
    <message>
        <source>CLAIMED-SCORE &quot;%1&quot; differs from the log&apos;s score %2</source>
        <translation>CLAIMED-SCORE &quot;%1&quot; skiljer sig från loggens poäng %2</translation>
    </message>
    <message>
        <source>time %1 is earlier than the QSO before it (%2)</source>
        <translation>tiden %1 är tidigare än QSO:t före (%2)</translation>
    </message>
    <message>
        <source>sent number &quot;%1&quot; is not a number</source>
        <translation>sänt nummer &quot;%1&quot; är inget tal</translation>
    </message>
    <message>
        <source>sent number %1 repeats</source>
        <translation>sänt nummer %1 upprepas</translation>
    </message>
    <message>
        <source>sent number %1 comes after %2</source>
        <translation>sänt nummer %1 kommer efter %2</translation>
    </message>
    <message>
        <source>sent number %1 is missing</source>
        <translation>sänt nummer %1 saknas</translation>
    </message>
    <message>
        <source>sent numbers %1 to %2 are missing</source>
        <translation>sända nummer %1 till %2 saknas</translation>
    </message>
    <message>
        <source>no country found for %1</source>
        <translation>okänt land för %1</translation>
    </message>
    <message>
        <source>%1 is not in the contest (Scandinavian with Scandinavian): no points</source>
        <translation>%1 ingår inte i testen (skandinav med skandinav): inga poäng</translation>
    </message>
    <message>
        <source>%1 is not in the contest (non-Scandinavian with non-Scandinavian): no points</source>
        <translation>%1 ingår inte i testen (två stationer utanför Skandinavien): inga poäng</translation>
    </message>
    <message>
        <source>%1 is a dupe of line %2: it stays in the log at 0 points</source>
        <translation>%1 är en dubblett av rad %2: den står kvar i loggen med 0 poäng</translation>
    </message>
    <message>
        <source>%1 is not a known contest call; did you mean %2?</source>
        <translation>%1 är ingen känd testsignal; menade du %2?</translation>
    </message>
    <message>
        <source>%1 has no Latin-1 form: read as &quot;?&quot;</source>
        <translation>%1 har ingen Latin-1-form: läst som &quot;?&quot;</translation>
    </message>
    <message>
        <source>Pass Ok</source>
        <translation>Godkänd</translation>
    </message>
    <message>
        <source>Pass Ok, %1 note</source>
        <translation>Godkänd, %1 anmärkning</translation>
    </message>
    <message>
        <source>Pass Ok, %1 notes</source>
        <translation>Godkänd, %1 anmärkningar</translation>
    </message>
    <message>
        <source>%1 problem, %2 note</source>
        <translation>%1 problem, %2 anmärkning</translation>
    </message>
    <message>
        <source>%1 problem, %2 notes</source>
        <translation>%1 problem, %2 anmärkningar</translation>
    </message>
    <message>
        <source>%1 problems, %2 note</source>
        <translation>%1 problem, %2 anmärkning</translation>
    </message>
    <message>
        <source>%1 problems, %2 notes</source>
        <translation>%1 problem, %2 anmärkningar</translation>
    </message>
    <message>
        <source>line %1: problem: %2</source>
        <translation>rad %1: problem: %2</translation>
    </message>
    <message>
        <source>line %1: note: %2</source>
        <translation>rad %1: anmärkning: %2</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... och %1 till</translation>
    </message>
    <message>
        <source>more than four ADDRESS lines</source>
        <translation>fler än fyra ADDRESS-rader</translation>
    </message>
    <message>
        <source>%1 has no value: the list still shows &quot;%2&quot;</source>
        <translation>%1 saknar värde: listan visar fortfarande &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1 saknar värde</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not one of %3</source>
        <translation>%1 &quot;%2&quot; är inte något av %3</translation>
    </message>
    <message>
        <source>no CALLSIGN line</source>
        <translation>ingen CALLSIGN-rad</translation>
    </message>
    <message>
        <source>CALLSIGN is empty</source>
        <translation>CALLSIGN är tom</translation>
    </message>
    <message>
        <source>no CONTEST line</source>
        <translation>ingen CONTEST-rad</translation>
    </message>
    <message>
        <source>no %1 line: it has no value</source>
        <translation>ingen %1-rad: den saknar värde</translation>
    </message>
    <message>
        <source>no END-OF-LOG line</source>
        <translation>ingen END-OF-LOG-rad</translation>
    </message>
    <message>
        <source>CATEGORY-MODE %1 does not match CONTEST %2</source>
        <translation>CATEGORY-MODE %1 stämmer inte med CONTEST %2</translation>
    </message>
    <message>
        <source>CATEGORY-TRANSMITTER %1 is not open to %2</source>
        <translation>CATEGORY-TRANSMITTER %1 är inte öppen för %2</translation>
    </message>
    <message>
        <source>%1 %2 is open to non-Scandinavian stations only; %3 is %4</source>
        <translation>%1 %2 är bara öppen för stationer utanför Skandinavien; %3 är %4</translation>
    </message>
    <message>
        <source>%1 %2 is open to Scandinavian stations only; %3 is %4</source>
        <translation>%1 %2 är bara öppen för skandinaviska stationer; %3 är %4</translation>
    </message>
    <message>
        <source>Empty log</source>
        <translation>Tom logg</translation>
    </message>
    <message>
        <source>Pass, Nice job</source>
        <translation>Godkänd, bra jobbat</translation>
    </message>
    <message>
        <source>Pass No QSO</source>
        <translation>Godkänd, inga QSO:n</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Not taken: %1</source>
        <translation>Avvisat: %1</translation>
    </message>
    <message>
        <source>frequency &quot;%1&quot; is on no contest band</source>
        <translation>frekvensen &quot;%1&quot; ligger inte på något testband</translation>
    </message>
    <message>
        <source>sent number &quot;%1&quot; is not a number</source>
        <translation>sänt nummer &quot;%1&quot; är inget tal</translation>
    </message>
    <message>
        <source>received number &quot;%1&quot; is not a number</source>
        <translation>mottaget nummer &quot;%1&quot; är inget tal</translation>
    </message>
    <message>
        <source>call &quot;%1&quot; is longer than %2 characters</source>
        <translation>signalen &quot;%1&quot; är längre än %2 tecken</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a call: a call has letters and digits</source>
        <translation>&quot;%1&quot; kan inte vara en anropssignal: en signal har bokstäver och siffror</translation>
    </message>
    <message>
        <source>the program fills this column</source>
        <translation>programmet fyller i den här kolumnen</translation>
    </message>
    <message>
        <source>no QSO in this row</source>
        <translation>inget QSO på den här raden</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>&apos;%1&apos; taken as nothing: %2</source>
        <translation>&apos;%1&apos; tolkades inte: %2</translation>
    </message>
    <message>
        <source>time %1</source>
        <translation>tid %1</translation>
    </message>
    <message>
        <source>expected a minute 00-59</source>
        <translation>förväntade en minut 00-59</translation>
    </message>
    <message>
        <source>Realtime is on, the clock keeps the time</source>
        <translation>Realtid är på, klockan håller tiden</translation>
    </message>
    <message>
        <source>a minute needs the hour of a time HHMM in the time field</source>
        <translation>en minut kräver timmen från en tid HHMM i tidsfältet</translation>
    </message>
    <message>
        <source>frequency %1 kHz from this QSO on</source>
        <translation>frekvens %1 kHz från och med detta QSO</translation>
    </message>
    <message>
        <source>frequency %1 kHz from this QSO on, logged as %2</source>
        <translation>frekvens %1 kHz från och med detta QSO, loggas som %2</translation>
    </message>
    <message>
        <source>expected a time HHMM (hours 00-23, minutes 00-59) or kHz on a contest band (%1)</source>
        <translation>förväntade en tid HHMM (timmar 00-23, minuter 00-59) eller kHz på ett testband (%1)</translation>
    </message>
    <message>
        <source>expected kHz on a contest band (%1)</source>
        <translation>förväntade kHz på ett testband (%1)</translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; after the number is not a valid RST on CW (such as 599)</source>
        <translation>rapporten &apos;%1&apos; efter numret är ingen giltig RST på CW (som 599)</translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; after the number is not a valid RST on SSB (such as 59)</source>
        <translation>rapporten &apos;%1&apos; efter numret är ingen giltig RST på SSB (som 59)</translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; after the number is not a valid RST</source>
        <translation>rapporten &apos;%1&apos; efter numret är ingen giltig RST</translation>
    </message>
    <message>
        <source>sent report &quot;%1&quot; is no report</source>
        <translation>sänd rapport &quot;%1&quot; är ingen rapport</translation>
    </message>
    <message>
        <source>received report &quot;%1&quot; is no report</source>
        <translation>mottagen rapport &quot;%1&quot; är ingen rapport</translation>
    </message>
    <message>
        <source>The call would be %1 characters long; a call has at most %2. Nothing was pasted.</source>
        <translation>Signalen skulle bli %1 tecken lång; en signal har högst %2. Inget klistrades in.</translation>
    </message>
    <message>
        <source>The time &apos;%1&apos; is not four digits (HHMM)</source>
        <translation>Tiden &apos;%1&apos; är inte fyra siffror (HHMM)</translation>
    </message>
    <message>
        <source>The report &apos;%1&apos; is not two or three digits</source>
        <translation>Rapporten &apos;%1&apos; är inte två eller tre siffror</translation>
    </message>
    <message>
        <source>The call &apos;%1&apos; is longer than %2 characters</source>
        <translation>Signalen &apos;%1&apos; är längre än %2 tecken</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be a call: a call has letters and digits</source>
        <translation>&apos;%1&apos; kan inte vara en anropssignal: en signal har bokstäver och siffror</translation>
    </message>
    <message>
        <source>time &quot;%1&quot; is not a valid HHMM time</source>
        <translation>tiden &quot;%1&quot; är ingen giltig tid HHMM</translation>
    </message>
    <message>
        <source>sent report &quot;%1&quot; is not a valid RST on CW</source>
        <translation>sänd rapport &quot;%1&quot; är ingen giltig RST på CW</translation>
    </message>
    <message>
        <source>received report &quot;%1&quot; is not a valid RST on CW</source>
        <translation>mottagen rapport &quot;%1&quot; är ingen giltig RST på CW</translation>
    </message>
    <message>
        <source>sent report &quot;%1&quot; is not a valid RST on SSB</source>
        <translation>sänd rapport &quot;%1&quot; är ingen giltig RST på SSB</translation>
    </message>
    <message>
        <source>received report &quot;%1&quot; is not a valid RST on SSB</source>
        <translation>mottagen rapport &quot;%1&quot; är ingen giltig RST på SSB</translation>
    </message>
    <message>
        <source>The sent number is empty: type the number this QSO was given in the sent Nr field, then Enter again</source>
        <translation>Det sända numret är tomt: skriv numret som detta QSO fick i fältet för sänt Nr och tryck sedan Enter igen</translation>
    </message>
    <message>
        <source>The sent number %1 would have more than %2 digits, which the QSO line cannot hold</source>
        <translation>Det sända numret %1 skulle få fler än %2 siffror, vilket QSO-raden inte rymmer</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>no call</source>
        <translation>ingen signal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a call</source>
        <translation>&quot;%1&quot; kan inte vara en anropssignal</translation>
    </message>
    <message>
        <source>date &quot;%1&quot; is no date</source>
        <translation>datumet &quot;%1&quot; är inget datum</translation>
    </message>
    <message>
        <source>time &quot;%1&quot; is no time</source>
        <translation>tiden &quot;%1&quot; är ingen tid</translation>
    </message>
    <message>
        <source>QSO %1 (%2 %3 %4): %5</source>
        <translation>QSO %1 (%2 %3 %4): %5</translation>
    </message>
    <message>
        <source>These QSOs were left out of the ADIF file:</source>
        <translation>Dessa QSO:n utelämnades ur ADIF-filen:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>och %1 till</translation>
    </message>
    <message>
        <source>The log has no callsign: type it on the &quot;Data input&quot; page, then export.</source>
        <translation>Loggen har ingen anropssignal: skriv den på sidan &quot;Stationsdata&quot; och exportera sedan.</translation>
    </message>
    <message>
        <source>The log has no QSOs: there is nothing to export.</source>
        <translation>Loggen har inga QSO:n: det finns inget att exportera.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Unknown error</source>
        <translation>Okänt fel</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; är inte ett giltigt heltal</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Kan inte öppna filen %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Kan inte skapa filen %1</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, the most Kerolt reads</source>
        <translation>%1 är större än %2 MB, det största Kerolt läser</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes, the most Kerolt reads</source>
        <translation>%1 är större än %2 byte, det största Kerolt läser</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>How to make your log</source>
        <translation>Så gör du din logg</translation>
    </message>
    <message>
        <source>Start on the &quot;Data input&quot; page and fill in your station information. Tab takes you
to the next field and Shift+Tab back to the one before. Enter moves on as well,
though not in the e-mail field and the lists: from the callsign to the contest
list, and from the operators through the name and the address lines to the
claimed score, the club and the soapbox.</source>
        <translation>Börja på sidan &quot;Stationsdata&quot; och fyll i uppgifterna om din station. Tab tar dig
till nästa fält och Shift+Tab tillbaka till det förra. Även Enter går vidare,
fast inte i e-postfältet och i listorna: från anropssignalen till listan Test,
och från operatörerna via namnet och adressraderna till uppgiven poäng, klubben
och kommentarerna.</translation>
    </message>
    <message>
        <source>• Callsign: the call you used in the contest. When you leave the field Kerolt
  shows whether you count as Scandinavian, Non Scandinavian or
  Non Scandinavian-DX, and offers only the categories open to you.
• Operators: the calls of the operators.
• Name, Address (three lines) and e-mail: so that the contest manager can
  reach you.</source>
        <translation>• Signal: anropssignalen du använde i testen. När du lämnar fältet visar Kerolt
  om du räknas som Skandinavisk, Utomskandinavisk eller Utomskandinavisk-DX, och
  erbjuder bara de klasser som är öppna för dig.
• Operatörer: operatörernas anropssignaler.
• Namn, Adress (tre rader) och e-post: så att testledaren kan nå dig.</translation>
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
        <translation>Listorna i mitten erbjuder dessa val:
• Test: SAC-CW eller SAC-SSB.
• Klass-Assistans: NON-ASSISTED eller ASSISTED.
• Klass-Band: ALL, 80M, 40M, 20M, 15M eller 10M för skandinaviska stationer;
  alla andra väljer ALL eller LOW-BAND (80 och 40 m).
• Klass-Operatör: SINGLE-OP, MULTI-OP eller CHECKLOG. Med SINGLE-OP är ONE det
  enda valet för sändare.
• Klass-Sändare: ONE eller UNLIMITED.
• Klass-Effekt: HIGH, LOW eller QRP.
• Klass-Tillägg: inget, ROOKIE, TB-WIRES, CLASSIC eller WIRE-ONLY; den här
  listan visas bara för skandinaviska stationer.
Välj genom att klicka på pilen till höger i listan och sedan på raden, eller
stega genom raderna med piltangenterna upp och ned. Tills du väljer något visar
listan sitt eget namn, till exempel Klass-Effekt, och då hamnar listans engelska
namn, här Category-Power, i Cabrillo-loggen precis som det står.</translation>
    </message>
    <message>
        <source>• Clamed Score: you need not type it. Kerolt takes it from the score table of
  the &quot;Log input&quot; page and fills it in for you.
• Club and Soapbox are optional. In the soapbox you may tell about your
  equipment, give your e-mail address or write a short comment.</source>
        <translation>• Uppgiven poäng: den behöver du inte skriva. Kerolt tar den från poängtabellen
  på sidan &quot;Loggning&quot; och fyller i den åt dig.
• Klubb och Kommentarer är frivilliga. I kommentarerna kan du berätta om din
  utrustning, ange din e-postadress eller skriva en kort kommentar.</translation>
    </message>
    <message>
        <source>The &quot;Log input&quot; page appears as soon as you have chosen the contest and typed a
callsign of at least three characters.</source>
        <translation>Sidan &quot;Loggning&quot; visas så snart du har valt test och skrivit en anropssignal på
minst tre tecken.</translation>
    </message>
    <message>
        <source>The menus open with Alt and their underlined letter: Alt+F for File, Alt+U for
SetUp, Alt+H for Help, and Alt+K runs Check. F10 opens the File menu; the arrow
keys go on from there. Ctrl+N starts a new log; Ctrl+O opens a log, Ctrl+S saves it,
F1 shows this help.</source>
        <translation>Menyerna öppnas med Alt och sin understrukna bokstav: Alt+A för Arkiv, Alt+I för
Inställningar, Alt+H för Hjälp, och Alt+K kör Kontroll. F10 öppnar menyn Arkiv;
piltangenterna går vidare därifrån. Ctrl+N påbörjar en ny logg; Ctrl+O öppnar en
logg, Ctrl+S sparar den, F1 visar den här hjälpen.</translation>
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
        <translation>På sidan &quot;Loggning&quot;:
• Datumet följer av testen du har valt: Kerolt känner till årets testhelg och
  visar datumet för ett QSO som loggas vid tiden i tidsfältet.
• Bandfältet erbjuder 3500, 7000, 14000, 21000 och 28000 (80, 40, 20, 15 och
  10 m). Det förblir rött tills du väljer ett band. Alt+B stegar bandet uppåt,
  Alt+V stegar det nedåt.
• Tidsfältet börjar på 1200. När Realtid är av stegar piltangenterna upp och
  ned, eller plus- och minustangenterna på det numeriska tangentbordet, tiden en
  minut framåt eller bakåt (piltangenterna inte när rutnätet eller bandfältet
  har fokus). Du kan också skriva tiden med fyra siffror, HHMM.
• Realtidsläget (Inställningar, Realtid) håller tidsfältet i takt med datorns
  klocka, en gång i sekunden. Datorns klocka måste då vara ställd på UTC.
• Autospara (Inställningar, Autospara) är på vid första starten: efter varje
  ändring av loggen (ett QSO, en rättelse, en raderad rad, ett stationsfält)
  skriver Kerolt hela Cabrillo-loggen till filen Last.log i mappen som
  programmet startades från. Klicka på Inställningar, Autospara för att stänga
  av det. Realtid och Autospara blir kvar som du lämnade dem till nästa start.
  Om Kerolt eller datorn stannar, starta Kerolt igen i samma mapp: när Last.log
  innehåller QSO:n som inte finns i någon sparad fil erbjuder Kerolt att öppna
  den.
• Det sända löpnumret börjar på 1 och räknas upp av sig självt efter varje QSO
  (upp till fem siffror). Du kan ändra det, liksom den sända och den mottagna
  rapporten, genom att skriva i deras fält; Enter i fältet för sänd rapport
  eller sänt nummer tar dig vidare till det mottagna numret.</translation>
    </message>
    <message>
        <source>How to type a QSO</source>
        <translation>Så skriver du in ett QSO</translation>
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
        <translation>• Välj band.
• När du loggar efter testen, välj tiden för QSO:t.
• Skriv den kontaktade anropssignalen; signalfältet har fokus.
• Tryck på Space för dubblettkontrollen. En signal som redan är loggad på bandet
  gör signalfältet rött medan du skriver den, och Space lämnar dig då kvar i
  signalfältet: Esc raderar signalen, eller Enter tar dig till nummerfältet för
  att logga den ändå. Annars tar Space dig till nummerfältet.
• Skriv det mottagna numret.
• Tryck på Enter för att logga QSO:t.</translation>
    </message>
    <message>
        <source>In realtime mode it is even shorter: call, Space, number, Enter.</source>
        <translation>I realtidsläget går det ännu fortare: signal, Space, nummer, Enter.</translation>
    </message>
    <message>
        <source>Typing a paper log</source>
        <translation>Skriva in en papperslogg</translation>
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
        <translation>Skriv tiden och frekvensen där signalen ska stå, var och en avslutad med Space;
signalfältet töms för signalen, och tidsfältet och bandfältet visar genast vad
som togs emot:
• 1 eller 2 siffror: minuten. Timmen står kvar, eller går vidare till nästa
  timme när minuten ligger före tidsfältets minut (1358, sedan 03, ger 1403;
  1358, sedan 58, förblir 1358 för ett andra QSO inom samma minut; efter 2358
  ger 03 0003).
• 3 eller 4 siffror: tiden, HMM eller HHMM (930 eller 0930; 028 för 0028).
• En frekvens i kHz på ett testband (3500-4000, 7000-7300, 14000-14350,
  21000-21450, 28000-29700), hel eller med decimaler som 14025.5: bandfältet
  följer med, och detta och följande QSO:n får den frekvensen tills du skriver
  en annan eller väljer ett band med Alt+B eller Alt+V, vilket ger bandets eget
  värde igen. Loggen tar hela kHz: 14025.5 loggas som 14026, 14025.4 som 14025.
  En inskriven frekvens går före riggens tills riggen flyttas.
• En annan rapport än 599 skrivs efter det mottagna numret, med Space emellan:
  15 579 loggar nummer 15 med rapport 579 för just detta QSO.
Allt annat som bara består av siffror avvisas med en anmärkning i statusraden,
och ingenting ändras. När Realtid är på håller klockan tiden och en inskriven
tid avvisas; en frekvens tas ändå emot.
Exempel, från papperet &quot;1413 14025.5 DL1ABC 15 579&quot;, sedan &quot;17 OH2XYZ 16&quot;:
  1413 Space 14025.5 Space DL1ABC Space 15 Space 579 Enter
  17 Space OH2XYZ Space 16 Enter</translation>
    </message>
    <message>
        <source>The score table beside the log is updated after each QSO. The line below it
gives your rate: the QSOs in the last 60 minutes and the rate of the last ten
QSOs per hour, counted by the QSO times; it counts the QSOs the score table
counts.</source>
        <translation>Poängtabellen bredvid loggen uppdateras efter varje QSO. Raden under den visar
din takt: QSO:n under de senaste 60 minuterna och takten för de tio senaste
QSO:na per timme, räknat på QSO-tiderna; den räknar samma QSO:n som
poängtabellen.</translation>
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
        <translation>Arkiv, Resultat... visar din test per band (QSO:n, dubbletter, QSO:n utan poäng,
poäng och multiplikatorer), totalpoängen, körtiden, de bästa 60 minuterna och
ett diagram över dina QSO:n under varje timme av testen. Fönstret hålls
uppdaterat med loggen medan det är öppet. Kopiera sammandrag lägger en kort text
för sajter som samlar in resultat i urklipp. Poängtabellen, taktraden,
resultaten och sammandraget räknar samma QSO:n: varje QSO i testen, dubbletter
och QSO:n utan poäng inräknade. Ett QSO som inte ingår i testen (en skandinav
som kör en skandinav, eller två stationer utanför Skandinavien) eller som inte
ligger på något testband står kvar i loggen men räknas ingenstans; resultaten
visar hur många det är.</translation>
    </message>
    <message>
        <source>Beside the number field Kerolt tells what the typed call is worth on the band
before you log it: DUPE, NEW MULT with the multiplier, the points, or 0 pts
and why; &quot;3 pts: no country found&quot; for a call the country file does not know.
From 2018 on, log 000 when a station gives no serial number; such a QSO gives
no points and no multiplier.</source>
        <translation>Bredvid nummerfältet visar Kerolt vad den inskrivna signalen är värd på bandet
innan du loggar den: DUPE, NEW MULT med multiplikatorn, poängen, eller 0 p och
varför; &quot;3 p: okänt land&quot; för en signal som landsfilen inte känner till. Från
och med 2018 loggar du 000 när en station inte ger något löpnummer; ett sådant
QSO ger varken poäng eller multiplikator.</translation>
    </message>
    <message>
        <source>How Kerolt scores</source>
        <translation>Så räknar Kerolt poäng</translation>
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
        <translation>Ett QSO räknas bara mellan en skandinavisk station (SM, OH, OH0, LA, OZ, TF, OX,
OJ0, OY, JX eller JW) och en station utanför Skandinavien. Vad det är värt beror
på din grupp, som visas på stationssidan:
• Skandinavisk: 2 poäng för en station i Europa, 3 för en utanför Europa (och
  för en signal vars land Kerolt inte hittar). Multiplikatorn är stationens
  land: varje land en gång per band (DL, K, JA...).
• Utomskandinavisk (Europa): 1 poäng för varje skandinavisk station.
• Utomskandinavisk-DX: 3 poäng på 80 och 40 m, 1 poäng på 20, 15 och 10 m. För
  båda är multiplikatorn det skandinaviska prefixet med sin distriktssiffra, en
  gång per band: SM5ABC ger SM5, OH2XYZ OH2; OH0 och OJ0 räknas som de är, och
  ett prefix skrivet framför (OZ/DL1ABC) ger OZ0.
• En dubblett (samma signal igen på samma band) står kvar i loggen och räknas
  som ett QSO, med 0 poäng. Signalen jämförs i sin helhet, så många tecken som
  signalfältet rymmer (13).
• Från och med 2018 räknas ett QSO vars mottagna nummer är 000 som ett QSO med
  0 poäng och utan multiplikator.
• Totalpoängen är summan av poängen på alla band gånger summan av
  multiplikatorerna på alla band.
• En signal skriven med ett land efter &quot;/&quot; räknas där den kördes ifrån: W1AW/OH
  är i Finland, OH2XX/W1 i USA. /P, /M, /MM, /AM, /QRP, /A och en ensam siffra
  (SM5ABC/7 är i SM7) behåller hemlandet.
Ett QSO som inte ingår i testen, eller på en frekvens utanför de fem banden,
står kvar i loggen med tomma Mult- och P-celler och räknas ingenstans: inte i
poängtabellen, taktraden, resultaten eller sammandraget.
Testbanden är 80, 40, 20, 15 och 10 m: 3500-4000, 7000-7300, 14000-14350,
21000-21450 och 28000-29700 kHz. Reglernas bandplan begränsar varje trafiksätt
till en del av dem (CW 3510-3560, 7000-7040, 14000-14060, 21000-21070,
28000-28070; SSB 3600-3650 och 3700-3800, 7060-7100 och 7130-7200, 14125-14300,
21151-21450, 28320-29000); ett QSO utanför den loggas och får poäng, och
Kontroll markerar det.</translation>
    </message>
    <message>
        <source>Type the digit zero, not the letter O, in the time, number and call fields.</source>
        <translation>Skriv siffran noll, inte bokstaven O, i fälten för tid, nummer och signal.</translation>
    </message>
    <message>
        <source>When you search and pounce, type the call and press Space: a red call field
means you have worked the station on this band already; press Esc and tune on,
or press Enter, type the number and press Enter to log it anyway.</source>
        <translation>När du letar upp stationer på bandet (search and pounce), skriv signalen och
tryck på Space: ett rött signalfält betyder att du redan har kört stationen på
det här bandet; tryck på Esc och ratta vidare, eller tryck på Enter, skriv
numret och tryck på Enter för att logga det ändå.</translation>
    </message>
    <message>
        <source>To correct the log, click a cell of the grid and type; move around with the
mouse, Tab and the arrow keys. To delete the last QSO, right-click the grid and
choose &quot;Delete last row&quot;. A correction follows the rules of the entry fields: a
value the field would not take is refused, the old one stays and the status bar
says why. Kerolt scores the whole log again with each correction. Cells that
came in bad from a file are pink until you correct them.</source>
        <translation>För att rätta loggen klickar du på en cell i rutnätet och skriver; flytta dig
med musen, Tab och piltangenterna. För att radera det sista QSO:t högerklickar
du på rutnätet och väljer &quot;Radera sista raden&quot;. En rättelse följer samma regler
som inmatningsfälten: ett värde som fältet inte skulle ta emot avvisas, det
gamla står kvar och statusraden säger varför. Kerolt räknar om hela loggen vid
varje rättelse. Celler som kom in felaktiga från en fil är rosa tills du rättar
dem.</translation>
    </message>
    <message>
        <source>File, New (Ctrl+N) starts an empty log in this year&apos;s contest; the station page
stays. Whenever the log has changed since it was last saved or opened, the
window&apos;s title shows a * and Kerolt asks before the log goes (Exit, Open,
Import, New).</source>
        <translation>Arkiv, Ny (Ctrl+N) påbörjar en tom logg i årets test; stationssidan står kvar.
Så fort loggen har ändrats sedan den senast sparades eller öppnades visar
fönstrets titel en * och Kerolt frågar innan loggen försvinner (Avsluta, Öppna,
Importera, Ny).</translation>
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
        <translation>Sidan &quot;Cabrillo-logg&quot; visar loggen som den kommer att skickas; den kan inte
redigeras där. Kommandot Kontroll i menyraden (Alt+K, från vilken sida som
helst) talar om hur många problem och anmärkningar kontrollen hittar och nämner
de första. Rader som en loggrobot skulle ifrågasätta markeras röda (ett problem)
eller gula (en anmärkning); peka på en markerad rad för att se varför: ett QSO
utanför testhelgen, en frekvens på ett band som SAC inte använder eller utanför
dess bandplan, ett klassvärde som reglerna inte känner till, en uppgiven poäng
som skiljer sig från loggens, med mera. Cabrillo-texten följer varje nytt QSO
och varje rättelse.
Med en MASTER.SCP-lista över testsignaler i mappen (eller den från paketet
hamradio-files) listas de kända signaler som innehåller det du skriver i
signalfältet under poängtabellen; Inställningar, Partiell kontroll stänger av
det.</translation>
    </message>
    <message>
        <source>Logging live with the rig</source>
        <translation>Logga direkt med riggen</translation>
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
        <translation>Inställningar, Rigg... kopplar Kerolt till din radio via Hamlib. Välj modell
(&quot;Hamlib NET rigctl&quot; når en rigctld som redan körs), port (en seriell enhet som
/dev/ttyUSB0, eller värd:port för rigctld) och hastighet; &quot;Av&quot; i modellistan
kopplar från riggen. Kerolt kommer ihåg riggen och ansluter igen vid nästa
start.
• Ungefär en gång i sekunden läser Kerolt riggens frekvens och trafiksätt och
  visar dem i statusraden, följt av (inte CW) eller (inte SSB) när trafiksättet
  inte passar testen.
• När riggen byter till ett annat testband följer bandfältet med. Ett band som
  valts med Alt+B eller Alt+V gäller tills riggen flyttas igen.
• Ett QSO som loggas på riggens band får riggens frekvens i kHz, till exempel
  14025, i stället för 14000.
• En rigg som är avstängd eller urkopplad håller aldrig upp ditt skrivande:
  statusraden säger &quot;ingen rigg&quot;, QSO:na får bandet, och Kerolt ansluter igen av
  sig själv.</translation>
    </message>
    <message>
        <source>File, Save... saves the Cabrillo log. Kerolt proposes your callsign as the file
name, with .log after it and every &quot;/&quot; replaced by &quot;-&quot; (SM5QQQ/P gives
SM5QQQ-P.log). To continue a saved log later, open it with File, Open....
You may edit the Cabrillo file in any text editor before you send it. Open
reads a log of any layout by its fields; a QSO line it cannot read is named in
one message after the load, and the rest of the log opens.</source>
        <translation>Arkiv, Spara... sparar Cabrillo-loggen. Kerolt föreslår din anropssignal som
filnamn, med .log efter och varje &quot;/&quot; ersatt med &quot;-&quot; (SM5QQQ/P ger
SM5QQQ-P.log). För att fortsätta en sparad logg senare öppnar du den med
Arkiv, Öppna....
Du kan redigera Cabrillo-filen i valfri textredigerare innan du skickar den.
Öppna läser en logg med vilken uppställning som helst efter dess fält; en
QSO-rad som inte kan läsas nämns i ett meddelande efter inläsningen, och resten
av loggen öppnas.</translation>
    </message>
    <message>
        <source>Send the Cabrillo file to the SAC contest manager as the rules of the year say:
upload it on the contest&apos;s web site, www.sactest.net, or send it by e-mail, in
time for the log deadline given in those rules.</source>
        <translation>Skicka Cabrillo-filen till SAC:s testledare så som årets regler anger: ladda upp
den på testens webbplats, www.sactest.net, eller skicka den med e-post, i tid
före den sista inlämningsdag för loggar som reglerna anger.</translation>
    </message>
    <message>
        <source>ADIF: your logbook and the QSL services</source>
        <translation>ADIF: din loggbok och QSL-tjänsterna</translation>
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
        <translation>• Arkiv, Exportera ADIF... skriver loggen som en ADIF-fil för din vanliga
  loggbok, LoTW, Club Log eller QRZ. Kerolt föreslår din anropssignal med .adi
  efter, i loggens mapp. Varje QSO behåller datum, tid, band, trafiksätt (CW
  eller SSB), rapporter, sänt och mottaget nummer, testen (SAC-CW eller SAC-SSB)
  och din anropssignal; dubbletter är QSO:n och följer också med.
• Arkiv, Importera ADIF... gör en ny logg av ADIF-filen från loggprogrammet du
  använde i luften, så som Arkiv, Öppna... gör med en Cabrillo-fil. Bara QSO:n
  från testhelgen, på de fem testbanden och i testens trafiksätt tas med; ett
  meddelande anger antalet och nämner de övriga. Testen hämtas från filen, och
  din anropssignal också när stationssidan saknar en. Kontrollera stationssidan
  och spara loggen innan du skickar den.</translation>
    </message>
    <message>
        <source>SetUp, Language chooses the language of the window and of this help: English,
Svenska, Suomi, Norsk bokmål or Dansk, or Follow the desktop, which takes your
desktop&apos;s language. Kerolt speaks a new choice from its next start. The Cabrillo
log is the same in every language.</source>
        <translation>Inställningar, Språk väljer språk för fönstret och för den här hjälpen: English,
Svenska, Suomi, Norsk bokmål eller Dansk, eller Följ skrivbordet, som tar
skrivbordets språk. Ett nytt val gäller från nästa start. Cabrillo-loggen är
densamma på alla språk.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>%1 %2 to %3 %4 UTC</source>
        <translation>%1 %2 till %3 %4 UTC</translation>
    </message>
    <message>
        <source>%1 is not an ADIF file</source>
        <translation>%1 är ingen ADIF-fil</translation>
    </message>
    <message>
        <source>the tag has no closing &apos;&gt;&apos;</source>
        <translation>taggen saknar avslutande &apos;&gt;&apos;</translation>
    </message>
    <message>
        <source>&apos;&lt;%1&gt;&apos; is no ADIF tag</source>
        <translation>&apos;&lt;%1&gt;&apos; är ingen ADIF-tagg</translation>
    </message>
    <message>
        <source>&lt;EOH&gt; after the header</source>
        <translation>&lt;EOH&gt; efter huvudet</translation>
    </message>
    <message>
        <source>the field &lt;%1&gt; has no length</source>
        <translation>fältet &lt;%1&gt; saknar längd</translation>
    </message>
    <message>
        <source>the field &lt;%1&gt; runs past the end of the file</source>
        <translation>fältet &lt;%1&gt; går förbi filens slut</translation>
    </message>
    <message>
        <source>the last record has no &lt;EOR&gt;</source>
        <translation>den sista posten saknar &lt;EOR&gt;</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: rad %2: %3</translation>
    </message>
    <message>
        <source>no call</source>
        <translation>ingen signal</translation>
    </message>
    <message>
        <source>no valid date (YYYYMMDD)</source>
        <translation>inget giltigt datum (YYYYMMDD)</translation>
    </message>
    <message>
        <source>no valid time (HHMM)</source>
        <translation>ingen giltig tid (HHMM)</translation>
    </message>
    <message>
        <source>in another mode</source>
        <translation>i ett annat trafiksätt</translation>
    </message>
    <message>
        <source>not on a contest band</source>
        <translation>inte på något testband</translation>
    </message>
    <message>
        <source>outside the contest period</source>
        <translation>utanför testperioden</translation>
    </message>
    <message>
        <source>no received number</source>
        <translation>inget mottaget nummer</translation>
    </message>
    <message>
        <source>not fit for the log</source>
        <translation>passar inte i loggen</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The sent report &quot;%1&quot; is not a valid RST on CW</source>
        <translation>Den sända rapporten &quot;%1&quot; är ingen giltig RST på CW</translation>
    </message>
    <message>
        <source>The received report &quot;%1&quot; is not a valid RST on CW</source>
        <translation>Den mottagna rapporten &quot;%1&quot; är ingen giltig RST på CW</translation>
    </message>
    <message>
        <source>The sent report &quot;%1&quot; is not a valid RST on SSB</source>
        <translation>Den sända rapporten &quot;%1&quot; är ingen giltig RST på SSB</translation>
    </message>
    <message>
        <source>The received report &quot;%1&quot; is not a valid RST on SSB</source>
        <translation>Den mottagna rapporten &quot;%1&quot; är ingen giltig RST på SSB</translation>
    </message>
    <message>
        <source>The sent report &quot;%1&quot; is no report</source>
        <translation>Den sända rapporten &quot;%1&quot; är ingen rapport</translation>
    </message>
    <message>
        <source>The received report &quot;%1&quot; is no report</source>
        <translation>Den mottagna rapporten &quot;%1&quot; är ingen rapport</translation>
    </message>
    <message>
        <source>QSO %1 (%2 %3 %4): %5</source>
        <translation>QSO %1 (%2 %3 %4): %5</translation>
    </message>
    <message>
        <source>No QSO lies in a %1 or %2 weekend (Saturday %3 to Sunday %4 UTC).</source>
        <translation>Inget QSO ligger inom en %1- eller %2-helg (lördag %3 till söndag %4 UTC).</translation>
    </message>
    <message>
        <source>%1, the contest on the station page.</source>
        <translation>%1, testen på stationssidan.</translation>
    </message>
    <message>
        <source>%1, the contest weekend with the most QSOs in the file.</source>
        <translation>%1, den testhelg som har flest QSO:n i filen.</translation>
    </message>
    <message>
        <source>%1, the contest weekend with the most QSOs in the file. It has none in %2, the contest on the station page.</source>
        <translation>%1, den testhelg som har flest QSO:n i filen. Filen har inga i %2, testen på stationssidan.</translation>
    </message>
    <message>
        <source>The file has more QSOs (%1) in %2: choose %3 on the station page to take those.</source>
        <translation>Filen har fler QSO:n (%1) i %2: välj %3 på stationssidan för att ta med dem.</translation>
    </message>
    <message>
        <source>The file holds no QSO.</source>
        <translation>Filen innehåller inget QSO.</translation>
    </message>
    <message>
        <source>%1 of %2 QSO taken; not taken:</source>
        <translation>%1 av %2 QSO togs med; utelämnade:</translation>
    </message>
    <message>
        <source>%1 of %2 QSOs taken; not taken:</source>
        <translation>%1 av %2 QSO:n togs med; utelämnade:</translation>
    </message>
    <message>
        <source>%1 of %2 QSO taken, %3 outside that contest; not taken:</source>
        <translation>%1 av %2 QSO togs med, %3 utanför den testen; utelämnade:</translation>
    </message>
    <message>
        <source>%1 of %2 QSOs taken, %3 outside that contest; not taken:</source>
        <translation>%1 av %2 QSO:n togs med, %3 utanför den testen; utelämnade:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>och %1 till</translation>
    </message>
</context>
<context>
    <name>QsoGrid</name>
    <message>
        <source>Row</source>
        <comment>the QSO&apos;s number in the log</comment>
        <translation>Rad</translation>
    </message>
    <message>
        <source>Freq.</source>
        <comment>frequency or band</comment>
        <translation>Frekv.</translation>
    </message>
    <message>
        <source>Time</source>
        <comment>UTC</comment>
        <translation>Tid</translation>
    </message>
    <message>
        <source>RST</source>
        <comment>sent</comment>
        <translation>RST</translation>
    </message>
    <message>
        <source>Nr</source>
        <comment>serial number sent</comment>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Call</source>
        <comment>the station worked</comment>
        <translation>Signal</translation>
    </message>
    <message>
        <source>RST</source>
        <comment>received</comment>
        <translation>RST</translation>
    </message>
    <message>
        <source>NR</source>
        <comment>serial number received</comment>
        <translation>NR</translation>
    </message>
    <message>
        <source>Mult</source>
        <comment>multiplier</comment>
        <translation>Mult</translation>
    </message>
    <message>
        <source>P</source>
        <comment>points</comment>
        <translation>P</translation>
    </message>
</context>
<context>
    <name>Reader</name>
    <message>
        <source>%1 is not a Cabrillo 3.0 log</source>
        <translation>%1 är ingen Cabrillo 3.0-logg</translation>
    </message>
    <message>
        <source>no header tag</source>
        <translation>ingen huvudtagg</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>och %1 till</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>rad %1: %2</translation>
    </message>
    <message>
        <source>These lines were not read as QSOs:</source>
        <translation>Dessa rader lästes inte som QSO:n:</translation>
    </message>
    <message>
        <source>%1 X-QSO line is kept as an X-QSO line: not scored, no dupe, in no total.</source>
        <translation>%1 X-QSO-rad behålls som X-QSO-rad: utan poäng, ingen dubblett, i ingen summa.</translation>
    </message>
    <message>
        <source>%1 X-QSO lines are kept as X-QSO lines: not scored, no dupes, in no total.</source>
        <translation>%1 X-QSO-rader behålls som X-QSO-rader: utan poäng, inga dubbletter, i ingen summa.</translation>
    </message>
    <message>
        <source>These lines were not read:</source>
        <translation>Dessa rader lästes inte:</translation>
    </message>
    <message>
        <source>Saving over the file leaves these lines out.</source>
        <translation>Om du sparar över filen utelämnas dessa rader.</translation>
    </message>
    <message>
        <source>The file is UTF-8; these characters have no Latin-1 form and became &quot;?&quot;:</source>
        <translation>Filen är UTF-8; dessa tecken har ingen Latin-1-form och blev &quot;?&quot;:</translation>
    </message>
    <message>
        <source>no frequency</source>
        <translation>ingen frekvens</translation>
    </message>
    <message>
        <source>no mode</source>
        <translation>inget trafiksätt</translation>
    </message>
    <message>
        <source>no date</source>
        <translation>inget datum</translation>
    </message>
    <message>
        <source>no time</source>
        <translation>ingen tid</translation>
    </message>
    <message>
        <source>no sent call</source>
        <translation>ingen sänd signal</translation>
    </message>
    <message>
        <source>no sent report</source>
        <translation>ingen sänd rapport</translation>
    </message>
    <message>
        <source>no sent number</source>
        <translation>inget sänt nummer</translation>
    </message>
    <message>
        <source>no call</source>
        <translation>ingen signal</translation>
    </message>
    <message>
        <source>no received report</source>
        <translation>ingen mottagen rapport</translation>
    </message>
    <message>
        <source>no received number</source>
        <translation>inget mottaget nummer</translation>
    </message>
    <message>
        <source>date &quot;%1&quot; is no date</source>
        <translation>datumet &quot;%1&quot; är inget datum</translation>
    </message>
    <message>
        <source>sent call &quot;%1&quot; is a number, not a call</source>
        <translation>sänd signal &quot;%1&quot; är ett tal, inte en anropssignal</translation>
    </message>
    <message>
        <source>call &quot;%1&quot; is a number, not a call</source>
        <translation>signalen &quot;%1&quot; är ett tal, inte en anropssignal</translation>
    </message>
    <message>
        <source>no QSO line</source>
        <translation>ingen QSO-rad</translation>
    </message>
    <message>
        <source>&quot;%1&quot; after the received number</source>
        <translation>&quot;%1&quot; efter det mottagna numret</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>%1 QSO</source>
        <translation>%1 QSO</translation>
    </message>
    <message>
        <source>%1 QSOs</source>
        <translation>%1 QSO:n</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Totalpoäng: %1</translation>
    </message>
    <message>
        <source>Operating time: %1</source>
        <translation>Körtid: %1</translation>
    </message>
    <message>
        <source>On the air: %1 (breaks of %2 min or more left out)</source>
        <translation>I luften: %1 (pauser på %2 min eller mer borträknade)</translation>
    </message>
    <message>
        <source>Best 60 min: %1</source>
        <translation>Bästa 60 min: %1</translation>
    </message>
    <message>
        <source>Without a time: %1</source>
        <translation>Utan tid: %1</translation>
    </message>
    <message>
        <source>Not in the contest, not counted: %1</source>
        <translation>Ingår inte i testen, ej räknade: %1</translation>
    </message>
    <message>
        <source>On no contest band, not counted: %1</source>
        <translation>På inget testband, ej räknade: %1</translation>
    </message>
    <message>
        <source>%1/h</source>
        <translation>%1/h</translation>
    </message>
    <message>
        <source>Last 60 min: %1  Last 10: %2</source>
        <translation>Senaste 60 min: %1  Senaste 10: %2</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
</context>
<context>
    <name>Rig</name>
    <message>
        <source>no rig</source>
        <translation>ingen rigg</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2 (not CW)</source>
        <translation>%1 %2 (inte CW)</translation>
    </message>
    <message>
        <source>%1 %2 (not SSB)</source>
        <translation>%1 %2 (inte SSB)</translation>
    </message>
</context>
<context>
    <name>Score</name>
    <message>
        <source>0 pts: Scandinavian with Scandinavian</source>
        <translation>0 p: skandinav med skandinav</translation>
    </message>
    <message>
        <source>0 pts: not in the contest</source>
        <translation>0 p: ingår inte i testen</translation>
    </message>
    <message>
        <source>NEW MULT %1</source>
        <translation>NEW MULT %1</translation>
    </message>
    <message>
        <source>DUPE</source>
        <translation>DUPE</translation>
    </message>
    <message>
        <source>0 pts: received 000</source>
        <translation>0 p: mottaget 000</translation>
    </message>
    <message>
        <source>%1 pt: no country found</source>
        <translation>%1 p: okänt land</translation>
    </message>
    <message>
        <source>%1 pts: no country found</source>
        <translation>%1 p: okänt land</translation>
    </message>
    <message>
        <source>%1 pt</source>
        <translation>%1 p</translation>
    </message>
    <message>
        <source>%1 pts</source>
        <translation>%1 p</translation>
    </message>
    <message>
        <source>Not in contest</source>
        <translation>Utanför testen</translation>
    </message>
</context>
<context>
    <name>ScoreTable</name>
    <message>
        <source>Band  QSO  Pnt  Mul</source>
        <comment>keep the four columns&apos; widths</comment>
        <translation>Band  QSO    P  Mul</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Poäng:</translation>
    </message>
</context>
<context>
    <name>StationClass</name>
    <message>
        <source>Scandinavian</source>
        <translation>Skandinavisk</translation>
    </message>
    <message>
        <source>Non Scandinavian</source>
        <translation>Utomskandinavisk</translation>
    </message>
    <message>
        <source>Non Scandinavian-DX</source>
        <translation>Utomskandinavisk-DX</translation>
    </message>
</context>
<context>
    <name>StationLists</name>
    <message>
        <source>Contest</source>
        <extracomment>The text a station list shows while nothing is chosen in it</extracomment>
        <translation>Test</translation>
    </message>
    <message>
        <source>Category-Assisted</source>
        <translation>Klass-Assistans</translation>
    </message>
    <message>
        <source>Category-Band</source>
        <translation>Klass-Band</translation>
    </message>
    <message>
        <source>Category-Operator</source>
        <translation>Klass-Operatör</translation>
    </message>
    <message>
        <source>Category-Transmitter</source>
        <translation>Klass-Sändare</translation>
    </message>
    <message>
        <source>Category-Power</source>
        <translation>Klass-Effekt</translation>
    </message>
    <message>
        <source>Category-Station</source>
        <translation>Klass-Station</translation>
    </message>
    <message>
        <source>Category-Overlay</source>
        <translation>Klass-Tillägg</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Språk</translation>
    </message>
    <message>
        <source>Kerolt follows the desktop&apos;s language from its next start.</source>
        <translation>Kerolt följer skrivbordets språk från nästa start.</translation>
    </message>
    <message>
        <source>Kerolt speaks %1 from its next start.</source>
        <extracomment>%1 is the language&apos;s name in that language: Svenska, Suomi, ...</extracomment>
        <translation>Kerolt talar %1 från nästa start.</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Följ skrivbordet</translation>
    </message>
</context>
<context>
    <name>kerolt::AdifCommands</name>
    <message>
        <source>&amp;Import ADIF...</source>
        <translation>&amp;Importera ADIF...</translation>
    </message>
    <message>
        <source>&amp;Export ADIF...</source>
        <translation>&amp;Exportera ADIF...</translation>
    </message>
</context>
<context>
    <name>kerolt::PartialCalls</name>
    <message>
        <source>* worked in this log, = the call typed, ~ one character away</source>
        <translation>* körd i loggen, = inskriven signal, ~ skiljer ett tecken</translation>
    </message>
    <message>
        <source>Check &amp;partial</source>
        <translation>&amp;Partiell kontroll</translation>
    </message>
    <message numerus="yes">
        <source>+%n more</source>
        <comment>calls not shown</comment>
        <translation>
            <numerusform>+%n till</numerusform>
            <numerusform>+%n till</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kerolt::ResultsControl</name>
    <message>
        <source>&amp;Results...</source>
        <translation>&amp;Resultat...</translation>
    </message>
</context>
<context>
    <name>kerolt::ResultsWindow</name>
    <message>
        <source>Results</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>QSOs</source>
        <translation>QSO:n</translation>
    </message>
    <message>
        <source>Dupes</source>
        <translation>Dubbl.</translation>
    </message>
    <message>
        <source>0 pts</source>
        <comment>QSOs worth no points</comment>
        <translation>0 p</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>Mults</source>
        <comment>multipliers</comment>
        <translation>Mult</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>all bands</comment>
        <translation>Totalt</translation>
    </message>
    <message>
        <source>Copy summary</source>
        <translation>Kopiera sammandrag</translation>
    </message>
    <message>
        <source>The summary for score-reporting sites, as plain text</source>
        <translation>Sammandraget för resultatsajter, som ren text</translation>
    </message>
    <message>
        <source>QSOs per hour (UTC)</source>
        <translation>QSO:n per timme (UTC)</translation>
    </message>
</context>
<context>
    <name>kerolt::RigControl</name>
    <message>
        <source>R&amp;ig...</source>
        <translation>R&amp;igg...</translation>
    </message>
</context>
<context>
    <name>kerolt::RigDialog</name>
    <message>
        <source>Rig</source>
        <translation>Rigg</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no rig</comment>
        <translation>Av</translation>
    </message>
    <message>
        <source>/dev/ttyUSB0 or localhost:4532</source>
        <translation>/dev/ttyUSB0 eller localhost:4532</translation>
    </message>
    <message>
        <source>The rig&apos;s own</source>
        <comment>serial speed</comment>
        <translation>Riggens egen</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <comment>rig model</comment>
        <translation>&amp;Modell</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <comment>serial port or network address</comment>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <comment>serial speed in baud</comment>
        <translation>&amp;Hastighet</translation>
    </message>
</context>
<context>
    <name>kerolt::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Manual Cabrillo log input for SAC</source>
        <translation>Manuell inmatning av Cabrillo-logg för SAC</translation>
    </message>
    <message>
        <source>Version - %1  2011-09-16</source>
        <translation>Version - %1  2011-09-16</translation>
    </message>
    <message>
        <source>Kerolt developers</source>
        <translation>Kerolts utvecklare</translation>
    </message>
    <message>
        <source>To make SAC easy</source>
        <translation>För att göra SAC enkelt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kerolt::TForm1</name>
    <message>
        <source>Save Mult List</source>
        <translation>Spara multlista</translation>
    </message>
    <message>
        <source>Realtime: On</source>
        <translation>Realtid: På</translation>
    </message>
    <message>
        <source>Realtime: Off</source>
        <translation>Realtid: Av</translation>
    </message>
    <message>
        <source>AutoSave: On</source>
        <translation>Autospara: På</translation>
    </message>
    <message>
        <source>AutoSave: Off</source>
        <translation>Autospara: Av</translation>
    </message>
    <message>
        <source>%1 problem</source>
        <translation>%1 problem</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 problem</translation>
    </message>
    <message>
        <source>%1 note</source>
        <translation>%1 anmärkning</translation>
    </message>
    <message>
        <source>%1 notes</source>
        <translation>%1 anmärkningar</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The check&apos;s summary: the problems counted, then the notes</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2 (point at a marked line for why)</source>
        <translation>%1, %2 (peka på en markerad rad för att se varför)</translation>
    </message>
    <message>
        <source>Kerolt Ver %1 - Manual Cabrillo input for SAC</source>
        <translation>Kerolt ver %1 - Manuell Cabrillo-inmatning för SAC</translation>
    </message>
    <message>
        <source>Last.log holds %1 QSO in no saved file, written %2 UTC. Open it?</source>
        <translation>Last.log innehåller %1 QSO som inte finns i någon sparad fil, skriven %2 UTC. Öppna den?</translation>
    </message>
    <message>
        <source>Last.log holds %1 QSOs in no saved file, written %2 UTC. Open it?</source>
        <translation>Last.log innehåller %1 QSO:n som inte finns i någon sparad fil, skriven %2 UTC. Öppna den?</translation>
    </message>
    <message>
        <source>Exit </source>
        <comment>message box title</comment>
        <translation>Avsluta </translation>
    </message>
    <message>
        <source>Open</source>
        <comment>message box title</comment>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>New</source>
        <comment>message box title</comment>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Do you want to save the log before exit?</source>
        <translation>Vill du spara loggen innan du avslutar?</translation>
    </message>
    <message>
        <source>Do you want to save the log before opening another?</source>
        <translation>Vill du spara loggen innan du öppnar en annan?</translation>
    </message>
    <message>
        <source>Do you want to save the log before starting a new one?</source>
        <translation>Vill du spara loggen innan du börjar på en ny?</translation>
    </message>
    <message>
        <source>Quit without Saving?</source>
        <translation>Avsluta utan att spara?</translation>
    </message>
    <message>
        <source>Data input</source>
        <translation>Stationsdata</translation>
    </message>
    <message>
        <source>Log input</source>
        <translation>Loggning</translation>
    </message>
    <message>
        <source>Cabrillo log</source>
        <translation>Cabrillo-logg</translation>
    </message>
    <message>
        <source>Mult List</source>
        <translation>Multlista</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Öppna...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Spara...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;vsluta</translation>
    </message>
    <message>
        <source>Set&amp;Up</source>
        <translation>&amp;Inställningar</translation>
    </message>
    <message>
        <source>&amp;Realtime</source>
        <translation>&amp;Realtid</translation>
    </message>
    <message>
        <source>&amp;AutoSave</source>
        <translation>&amp;Autospara</translation>
    </message>
    <message>
        <source>Chec&amp;k</source>
        <translation>&amp;Kontroll</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;HowTo</source>
        <translation>&amp;Instruktioner</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Om...</translation>
    </message>
    <message>
        <source>Delete last row</source>
        <translation>Radera sista raden</translation>
    </message>
    <message>
        <source>Callsign used during the contest</source>
        <translation>Anropssignal som användes i testen</translation>
    </message>
    <message>
        <source>Callsign of the Operators</source>
        <translation>Operatörernas anropssignaler</translation>
    </message>
    <message>
        <source>Club (Not needed)</source>
        <translation>Klubb (behövs inte)</translation>
    </message>
    <message>
        <source>Callsign </source>
        <translation>Signal </translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Operatörer</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Namn</translation>
    </message>
    <message>
        <source>&amp;Address</source>
        <translation>A&amp;dress</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>e-post</translation>
    </message>
    <message>
        <source>The program will fill in this for you</source>
        <translation>Programmet fyller i detta åt dig</translation>
    </message>
    <message>
        <source>&amp;Soapbox</source>
        <translation>Ko&amp;mmentarer</translation>
    </message>
    <message>
        <source>&amp;Clamed Score</source>
        <translation>&amp;Uppgiven poäng</translation>
    </message>
    <message>
        <source>&amp;Club</source>
        <translation>K&amp;lubb</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiera</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Klistra &amp;in</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Markera &amp;allt</translation>
    </message>
    <message>
        <source>MyCall</source>
        <comment>the own callsign&apos;s place until one is typed</comment>
        <translation>MinSignal</translation>
    </message>
    <message>
        <source>Sent</source>
        <comment>the button that shows the sent report and number</comment>
        <translation>Sänt</translation>
    </message>
    <message>
        <source>Received</source>
        <comment>the button that shows the received report and number</comment>
        <translation>Mottaget</translation>
    </message>
    <message>
        <source>Freqv.</source>
        <comment>the frequency list&apos;s text while no frequency is chosen</comment>
        <translation>Frekv.</translation>
    </message>
    <message>
        <source>80 meter</source>
        <translation>80 meter</translation>
    </message>
    <message>
        <source>40 meter</source>
        <translation>40 meter</translation>
    </message>
    <message>
        <source>20 meter</source>
        <translation>20 meter</translation>
    </message>
    <message>
        <source>15 meter</source>
        <translation>15 meter</translation>
    </message>
    <message>
        <source>10 meter</source>
        <translation>10 meter</translation>
    </message>
</context>
<context>
    <name>kerolt::TForm3</name>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
</context>
</TS>
