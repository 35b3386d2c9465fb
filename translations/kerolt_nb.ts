<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb" sourcelanguage="en">
<context>
    <name>Check</name>
    <message>
        <source>problem: %1</source>
        <translation>problem: %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>merknad: %1</translation>
    </message>
    <message>
        <source>QSO line not read: %1</source>
        <translation>QSO-linje ikke lest: %1</translation>
    </message>
    <message>
        <source>mode %1 does not fit %2</source>
        <translation>sendeart %1 passer ikke til %2</translation>
    </message>
    <message>
        <source>mode &quot;%1&quot; is neither CW nor PH</source>
        <translation>sendeart «%1» er verken CW eller PH</translation>
    </message>
    <message>
        <source>received number &quot;%1&quot; is not a number</source>
        <translation>mottatt nummer «%1» er ikke et tall</translation>
    </message>
    <message>
        <source>received number 0: the QSO gives no points and no multiplier</source>
        <translation>mottatt nummer 0: QSO-en gir verken poeng eller multiplikator</translation>
    </message>
    <message>
        <source>sent call %1 differs from CALLSIGN %2</source>
        <translation>sendt kallesignal %1 er ikke det samme som CALLSIGN %2</translation>
    </message>
    <message>
        <source>no worked call</source>
        <translation>mangler kallesignal for motstasjonen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a call</source>
        <translation>«%1» kan ikke være et kallesignal</translation>
    </message>
    <message>
        <source>QSO with the entrant&apos;s own call %1</source>
        <translation>QSO med deltakerens eget kallesignal %1</translation>
    </message>
    <message>
        <source>frequency &quot;%1&quot; is on no contest band (%2)</source>
        <translation>frekvensen «%1» ligger ikke på noe testbånd (%2)</translation>
    </message>
    <message>
        <source>frequency &quot;%1&quot; is on no contest band</source>
        <translation>frekvensen «%1» ligger ikke på noe testbånd</translation>
    </message>
    <message>
        <source>frequency %1 is outside the %2 band plan on %3</source>
        <translation>frekvensen %1 ligger utenfor båndplanen for %2 på %3</translation>
    </message>
    <message>
        <source>QSO on %1 in a CATEGORY-BAND %2 entry</source>
        <translation>QSO på %1 i en logg med CATEGORY-BAND %2</translation>
    </message>
    <message>
        <source>date &quot;%1&quot; is no date</source>
        <translation>datoen «%1» er ingen dato</translation>
    </message>
    <message>
        <source>QSO at %1 %2 is outside %3 (from %4 1200 to the next day 1159 UTC)</source>
        <translation>QSO %1 kl. %2 ligger utenfor %3 (fra %4 1200 til neste dag 1159 UTC)</translation>
    </message>
    <message>
        <source>%1 gave %2 on line %3, now %4: a copying slip?</source>
        <translation>%1 ga %2 på linje %3, nå %4: en skrivefeil?</translation>
    </message>
    <message>
        <source>CLAIMED-SCORE &quot;%1&quot; differs from the log&apos;s score %2</source>
        <translation>CLAIMED-SCORE «%1» avviker fra loggens poengsum %2</translation>
    </message>
    <message>
        <source>time %1 is earlier than the QSO before it (%2)</source>
        <translation>tiden %1 er tidligere enn QSO-en før (%2)</translation>
    </message>
    <message>
        <source>sent number &quot;%1&quot; is not a number</source>
        <translation>sendt nummer «%1» er ikke et tall</translation>
    </message>
    <message>
        <source>sent number %1 repeats</source>
        <translation>sendt nummer %1 gjentas</translation>
    </message>
    <message>
        <source>sent number %1 comes after %2</source>
        <translation>sendt nummer %1 kommer etter %2</translation>
    </message>
    <message>
        <source>sent number %1 is missing</source>
        <translation>sendt nummer %1 mangler</translation>
    </message>
    <message>
        <source>sent numbers %1 to %2 are missing</source>
        <translation>sendte numre %1 til %2 mangler</translation>
    </message>
    <message>
        <source>no country found for %1</source>
        <translation>fant ikke land for %1</translation>
    </message>
    <message>
        <source>%1 is not in the contest (Scandinavian with Scandinavian): no points</source>
        <translation>%1 er ikke med i testen (skandinav mot skandinav): ingen poeng</translation>
    </message>
    <message>
        <source>%1 is not in the contest (non-Scandinavian with non-Scandinavian): no points</source>
        <translation>%1 er ikke med i testen (to stasjoner utenfor Skandinavia): ingen poeng</translation>
    </message>
    <message>
        <source>%1 is a dupe of line %2: it stays in the log at 0 points</source>
        <translation>%1 er et duplikat av linje %2: den blir stående i loggen med 0 poeng</translation>
    </message>
    <message>
        <source>%1 is not a known contest call; did you mean %2?</source>
        <translation>%1 er ikke et kjent testsignal; mente du %2?</translation>
    </message>
    <message>
        <source>%1 has no Latin-1 form: read as &quot;?&quot;</source>
        <translation>%1 har ingen Latin-1-form: lest som «?»</translation>
    </message>
    <message>
        <source>Pass Ok</source>
        <translation>Godkjent</translation>
    </message>
    <message>
        <source>Pass Ok, %1 note</source>
        <translation>Godkjent, %1 merknad</translation>
    </message>
    <message>
        <source>Pass Ok, %1 notes</source>
        <translation>Godkjent, %1 merknader</translation>
    </message>
    <message>
        <source>%1 problem, %2 note</source>
        <translation>%1 problem, %2 merknad</translation>
    </message>
    <message>
        <source>%1 problem, %2 notes</source>
        <translation>%1 problem, %2 merknader</translation>
    </message>
    <message>
        <source>%1 problems, %2 note</source>
        <translation>%1 problemer, %2 merknad</translation>
    </message>
    <message>
        <source>%1 problems, %2 notes</source>
        <translation>%1 problemer, %2 merknader</translation>
    </message>
    <message>
        <source>line %1: problem: %2</source>
        <translation>linje %1: problem: %2</translation>
    </message>
    <message>
        <source>line %1: note: %2</source>
        <translation>linje %1: merknad: %2</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... og %1 til</translation>
    </message>
    <message>
        <source>more than four ADDRESS lines</source>
        <translation>mer enn fire ADDRESS-linjer</translation>
    </message>
    <message>
        <source>%1 has no value: the list still shows &quot;%2&quot;</source>
        <translation>%1 har ingen verdi: listen viser fortsatt «%2»</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1 har ingen verdi</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not one of %3</source>
        <translation>%1 «%2» er ikke en av %3</translation>
    </message>
    <message>
        <source>no CALLSIGN line</source>
        <translation>ingen CALLSIGN-linje</translation>
    </message>
    <message>
        <source>CALLSIGN is empty</source>
        <translation>CALLSIGN er tom</translation>
    </message>
    <message>
        <source>no CONTEST line</source>
        <translation>ingen CONTEST-linje</translation>
    </message>
    <message>
        <source>no %1 line: it has no value</source>
        <translation>ingen %1-linje: den har ingen verdi</translation>
    </message>
    <message>
        <source>no END-OF-LOG line</source>
        <translation>ingen END-OF-LOG-linje</translation>
    </message>
    <message>
        <source>CATEGORY-MODE %1 does not match CONTEST %2</source>
        <translation>CATEGORY-MODE %1 stemmer ikke med CONTEST %2</translation>
    </message>
    <message>
        <source>CATEGORY-TRANSMITTER %1 is not open to %2</source>
        <translation>CATEGORY-TRANSMITTER %1 er ikke åpen for %2</translation>
    </message>
    <message>
        <source>%1 %2 is open to non-Scandinavian stations only; %3 is %4</source>
        <translation>%1 %2 er bare åpen for stasjoner utenfor Skandinavia; %3 er %4</translation>
    </message>
    <message>
        <source>%1 %2 is open to Scandinavian stations only; %3 is %4</source>
        <translation>%1 %2 er bare åpen for skandinaviske stasjoner; %3 er %4</translation>
    </message>
    <message>
        <source>Empty log</source>
        <translation>Tom logg</translation>
    </message>
    <message>
        <source>Pass, Nice job</source>
        <translation>Godkjent, bra jobbet</translation>
    </message>
    <message>
        <source>Pass No QSO</source>
        <translation>Godkjent, ingen QSO-er</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Not taken: %1</source>
        <translation>Ikke godtatt: %1</translation>
    </message>
    <message>
        <source>frequency &quot;%1&quot; is on no contest band</source>
        <translation>frekvensen «%1» ligger ikke på noe testbånd</translation>
    </message>
    <message>
        <source>sent number &quot;%1&quot; is not a number</source>
        <translation>sendt nummer «%1» er ikke et tall</translation>
    </message>
    <message>
        <source>received number &quot;%1&quot; is not a number</source>
        <translation>mottatt nummer «%1» er ikke et tall</translation>
    </message>
    <message>
        <source>call &quot;%1&quot; is longer than %2 characters</source>
        <translation>kallesignalet «%1» er lengre enn %2 tegn</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a call: a call has letters and digits</source>
        <translation>«%1» kan ikke være et kallesignal: et kallesignal har bokstaver og sifre</translation>
    </message>
    <message>
        <source>the program fills this column</source>
        <translation>programmet fyller ut denne kolonnen</translation>
    </message>
    <message>
        <source>no QSO in this row</source>
        <translation>ingen QSO på denne raden</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>&apos;%1&apos; taken as nothing: %2</source>
        <translation>&apos;%1&apos; ble ikke tolket: %2</translation>
    </message>
    <message>
        <source>time %1</source>
        <translation>tid %1</translation>
    </message>
    <message>
        <source>expected a minute 00-59</source>
        <translation>ventet et minutt 00-59</translation>
    </message>
    <message>
        <source>Realtime is on, the clock keeps the time</source>
        <translation>Sanntid er på, klokken styrer tiden</translation>
    </message>
    <message>
        <source>a minute needs the hour of a time HHMM in the time field</source>
        <translation>et minutt krever timen fra en tid HHMM i tidsfeltet</translation>
    </message>
    <message>
        <source>frequency %1 kHz from this QSO on</source>
        <translation>frekvens %1 kHz fra og med denne QSO-en</translation>
    </message>
    <message>
        <source>frequency %1 kHz from this QSO on, logged as %2</source>
        <translation>frekvens %1 kHz fra og med denne QSO-en, logget som %2</translation>
    </message>
    <message>
        <source>expected a time HHMM (hours 00-23, minutes 00-59) or kHz on a contest band (%1)</source>
        <translation>ventet en tid HHMM (timer 00-23, minutter 00-59) eller kHz på et testbånd (%1)</translation>
    </message>
    <message>
        <source>expected kHz on a contest band (%1)</source>
        <translation>ventet kHz på et testbånd (%1)</translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; after the number is not a valid RST on CW (such as 599)</source>
        <translation>rapporten &apos;%1&apos; etter nummeret er ingen gyldig RST på CW (f.eks. 599)</translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; after the number is not a valid RST on SSB (such as 59)</source>
        <translation>rapporten &apos;%1&apos; etter nummeret er ingen gyldig RST på SSB (f.eks. 59)</translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; after the number is not a valid RST</source>
        <translation>rapporten &apos;%1&apos; etter nummeret er ingen gyldig RST</translation>
    </message>
    <message>
        <source>sent report &quot;%1&quot; is no report</source>
        <translation>sendt rapport «%1» er ingen rapport</translation>
    </message>
    <message>
        <source>received report &quot;%1&quot; is no report</source>
        <translation>mottatt rapport «%1» er ingen rapport</translation>
    </message>
    <message>
        <source>The call would be %1 characters long; a call has at most %2. Nothing was pasted.</source>
        <translation>Kallesignalet ville bli %1 tegn langt; et kallesignal har høyst %2. Ingenting ble limt inn.</translation>
    </message>
    <message>
        <source>The time &apos;%1&apos; is not four digits (HHMM)</source>
        <translation>Tiden &apos;%1&apos; er ikke fire sifre (HHMM)</translation>
    </message>
    <message>
        <source>The report &apos;%1&apos; is not two or three digits</source>
        <translation>Rapporten &apos;%1&apos; er ikke to eller tre sifre</translation>
    </message>
    <message>
        <source>The call &apos;%1&apos; is longer than %2 characters</source>
        <translation>Kallesignalet &apos;%1&apos; er lengre enn %2 tegn</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be a call: a call has letters and digits</source>
        <translation>&apos;%1&apos; kan ikke være et kallesignal: et kallesignal har bokstaver og sifre</translation>
    </message>
    <message>
        <source>time &quot;%1&quot; is not a valid HHMM time</source>
        <translation>tiden «%1» er ingen gyldig tid HHMM</translation>
    </message>
    <message>
        <source>sent report &quot;%1&quot; is not a valid RST on CW</source>
        <translation>sendt rapport «%1» er ingen gyldig RST på CW</translation>
    </message>
    <message>
        <source>received report &quot;%1&quot; is not a valid RST on CW</source>
        <translation>mottatt rapport «%1» er ingen gyldig RST på CW</translation>
    </message>
    <message>
        <source>sent report &quot;%1&quot; is not a valid RST on SSB</source>
        <translation>sendt rapport «%1» er ingen gyldig RST på SSB</translation>
    </message>
    <message>
        <source>received report &quot;%1&quot; is not a valid RST on SSB</source>
        <translation>mottatt rapport «%1» er ingen gyldig RST på SSB</translation>
    </message>
    <message>
        <source>The sent number is empty: type the number this QSO was given in the sent Nr field, then Enter again</source>
        <translation>Sendt nummer er tomt: skriv nummeret denne QSO-en fikk i feltet for sendt Nr, og trykk Enter igjen</translation>
    </message>
    <message>
        <source>The sent number %1 would have more than %2 digits, which the QSO line cannot hold</source>
        <translation>Sendt nummer %1 ville få mer enn %2 sifre, og det har ikke QSO-linjen plass til</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>no call</source>
        <translation>ingen kallesignal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a call</source>
        <translation>«%1» kan ikke være et kallesignal</translation>
    </message>
    <message>
        <source>date &quot;%1&quot; is no date</source>
        <translation>datoen «%1» er ingen dato</translation>
    </message>
    <message>
        <source>time &quot;%1&quot; is no time</source>
        <translation>tiden «%1» er ingen tid</translation>
    </message>
    <message>
        <source>QSO %1 (%2 %3 %4): %5</source>
        <translation>QSO %1 (%2 %3 %4): %5</translation>
    </message>
    <message>
        <source>These QSOs were left out of the ADIF file:</source>
        <translation>Disse QSO-ene ble utelatt fra ADIF-filen:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>og %1 til</translation>
    </message>
    <message>
        <source>The log has no callsign: type it on the &quot;Data input&quot; page, then export.</source>
        <translation>Loggen har ikke noe kallesignal: skriv det på siden «Stasjonsdata», og eksporter deretter.</translation>
    </message>
    <message>
        <source>The log has no QSOs: there is nothing to export.</source>
        <translation>Loggen har ingen QSO-er: det er ingenting å eksportere.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Unknown error</source>
        <translation>Ukjent feil</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; er ikke et gyldig heltall</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Kan ikke åpne filen %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Kan ikke opprette filen %1</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, the most Kerolt reads</source>
        <translation>%1 er større enn %2 MB, det største Kerolt leser</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes, the most Kerolt reads</source>
        <translation>%1 er større enn %2 byte, det største Kerolt leser</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>How to make your log</source>
        <translation>Slik lager du loggen</translation>
    </message>
    <message>
        <source>Start on the &quot;Data input&quot; page and fill in your station information. Tab takes you
to the next field and Shift+Tab back to the one before. Enter moves on as well,
though not in the e-mail field and the lists: from the callsign to the contest
list, and from the operators through the name and the address lines to the
claimed score, the club and the soapbox.</source>
        <translation>Begynn på siden «Stasjonsdata» og fyll inn opplysningene om stasjonen din. Tab
tar deg til neste felt og Shift+Tab tilbake til det forrige. Enter går også
videre, men ikke i e-postfeltet og i listene: fra kallesignalet til listen Test,
og fra operatørene via navnet og adresselinjene til oppgitt poengsum, klubben og
kommentarene.</translation>
    </message>
    <message>
        <source>• Callsign: the call you used in the contest. When you leave the field Kerolt
  shows whether you count as Scandinavian, Non Scandinavian or
  Non Scandinavian-DX, and offers only the categories open to you.
• Operators: the calls of the operators.
• Name, Address (three lines) and e-mail: so that the contest manager can
  reach you.</source>
        <translation>• Signal: kallesignalet du brukte i testen. Når du forlater feltet, viser Kerolt
  om du regnes som Skandinavisk, Ikke-skandinavisk eller Ikke-skandinavisk-DX,
  og tilbyr bare de klassene som er åpne for deg.
• Operatører: kallesignalene til operatørene.
• Navn, Adresse (tre linjer) og e-post: slik at testlederen kan nå deg.</translation>
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
        <translation>Listene i midten har disse valgene:
• Test: SAC-CW eller SAC-SSB.
• Klasse-Assistanse: NON-ASSISTED eller ASSISTED.
• Klasse-Bånd: ALL, 80M, 40M, 20M, 15M eller 10M for skandinaviske stasjoner;
  alle andre velger ALL eller LOW-BAND (80 og 40 m).
• Klasse-Operatør: SINGLE-OP, MULTI-OP eller CHECKLOG. Med SINGLE-OP er ONE det
  eneste valget for sender.
• Klasse-Sender: ONE eller UNLIMITED.
• Klasse-Effekt: HIGH, LOW eller QRP.
• Klasse-Tillegg: ingenting, ROOKIE, TB-WIRES, CLASSIC eller WIRE-ONLY; denne
  listen vises bare for skandinaviske stasjoner.
Velg ved å klikke på pilen til høyre i listen og deretter på linjen, eller bla
gjennom linjene med piltastene opp og ned. Til du velger noe, viser listen sitt
eget navn, for eksempel Klasse-Effekt, og da havner listens engelske navn, her
Category-Power, i Cabrillo-loggen slik det står.</translation>
    </message>
    <message>
        <source>• Clamed Score: you need not type it. Kerolt takes it from the score table of
  the &quot;Log input&quot; page and fills it in for you.
• Club and Soapbox are optional. In the soapbox you may tell about your
  equipment, give your e-mail address or write a short comment.</source>
        <translation>• Oppgitt poengsum: den trenger du ikke skrive. Kerolt henter den fra
  poengtabellen på siden «Logging» og fyller den ut for deg.
• Klubb og Kommentarer er valgfrie. I kommentarene kan du fortelle om utstyret
  ditt, oppgi e-postadressen din eller skrive en kort kommentar.</translation>
    </message>
    <message>
        <source>The &quot;Log input&quot; page appears as soon as you have chosen the contest and typed a
callsign of at least three characters.</source>
        <translation>Siden «Logging» vises så snart du har valgt test og skrevet et kallesignal på
minst tre tegn.</translation>
    </message>
    <message>
        <source>The menus open with Alt and their underlined letter: Alt+F for File, Alt+U for
SetUp, Alt+H for Help, and Alt+K runs Check. F10 opens the File menu; the arrow
keys go on from there. Ctrl+N starts a new log; Ctrl+O opens a log, Ctrl+S saves it,
F1 shows this help.</source>
        <translation>Menyene åpnes med Alt og den understrekede bokstaven: Alt+F for Fil, Alt+O for
Oppsett, Alt+H for Hjelp, og Alt+K kjører Kontroll. F10 åpner menyen Fil;
piltastene går videre derfra. Ctrl+N begynner en ny logg; Ctrl+O åpner en logg,
Ctrl+S lagrer den, F1 viser denne hjelpen.</translation>
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
        <translation>På siden «Logging»:
• Datoen følger av testen du har valgt: Kerolt kjenner årets testhelg og viser
  datoen for en QSO som logges på tiden i tidsfeltet.
• Båndfeltet tilbyr 3500, 7000, 14000, 21000 og 28000 (80, 40, 20, 15 og 10 m).
  Det forblir rødt til du velger et bånd. Alt+B går et bånd opp, Alt+V et bånd
  ned.
• Tidsfeltet starter på 1200. Når Sanntid er av, flytter piltastene opp og ned,
  eller pluss- og minustastene på det numeriske tastaturet, tiden ett minutt
  fram eller tilbake (piltastene ikke når rutenettet eller båndfeltet har
  fokus). Du kan også skrive tiden med fire sifre, HHMM.
• Sanntidsmodus (Oppsett, Sanntid) holder tidsfeltet i takt med datamaskinens
  klokke, én gang i sekundet. Klokken på datamaskinen må da være stilt til UTC.
• Autolagring (Oppsett, Autolagring) er på ved første oppstart: etter hver
  endring i loggen (en QSO, en rettelse, en slettet rad, et stasjonsfelt)
  skriver Kerolt hele Cabrillo-loggen til filen Last.log i mappen programmet ble
  startet fra. Klikk på Oppsett, Autolagring for å slå det av. Sanntid og
  Autolagring blir stående slik du forlot dem, til neste oppstart. Hvis Kerolt
  eller datamaskinen stopper, starter du Kerolt igjen i samme mappe: når
  Last.log har QSO-er som ikke finnes i noen lagret fil, tilbyr Kerolt å åpne
  den.
• Sendt løpenummer starter på 1 og telles opp av seg selv etter hver QSO (opptil
  fem sifre). Du kan endre det, og også sendt og mottatt rapport, ved å skrive i
  feltene deres; Enter i feltet for sendt rapport eller sendt nummer tar deg
  videre til mottatt nummer.</translation>
    </message>
    <message>
        <source>How to type a QSO</source>
        <translation>Slik skriver du inn en QSO</translation>
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
        <translation>• Velg bånd.
• Når du logger etter testen, velger du tiden for QSO-en.
• Skriv kallesignalet til stasjonen du kjørte; signalfeltet har fokus.
• Trykk Space for duplikatkontrollen. Et kallesignal som allerede er logget på
  båndet, gjør signalfeltet rødt mens du skriver det, og Space lar deg da bli
  stående i signalfeltet: Esc sletter kallesignalet, eller Enter tar deg til
  nummerfeltet for å logge det likevel. Ellers tar Space deg til nummerfeltet.
• Skriv mottatt nummer.
• Trykk Enter for å logge QSO-en.</translation>
    </message>
    <message>
        <source>In realtime mode it is even shorter: call, Space, number, Enter.</source>
        <translation>I sanntidsmodus går det enda raskere: kallesignal, Space, nummer, Enter.</translation>
    </message>
    <message>
        <source>Typing a paper log</source>
        <translation>Taste inn en papirlogg</translation>
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
        <translation>Skriv tiden og frekvensen der kallesignalet skal stå, hver avsluttet med Space;
signalfeltet tømmes for kallesignalet, og tidsfeltet og båndfeltet viser straks
hva som ble tatt imot:
• 1 eller 2 sifre: minuttet. Timen blir stående, eller går videre til neste time
  når minuttet ligger før tidsfeltets minutt (1358, så 03, gir 1403; 1358, så
  58, blir stående på 1358 for en ny QSO i samme minutt; etter 2358 gir 03
  0003).
• 3 eller 4 sifre: tiden, HMM eller HHMM (930 eller 0930; 028 for 0028).
• En frekvens i kHz på et testbånd (3500-4000, 7000-7300, 14000-14350,
  21000-21450, 28000-29700), hel eller med desimaler som 14025.5: båndfeltet
  følger med, og denne og de neste QSO-ene får den frekvensen til du skriver en
  annen eller velger et bånd med Alt+B eller Alt+V, som gir båndets egen verdi
  igjen. Loggen tar hele kHz: 14025.5 logges som 14026, 14025.4 som 14025. En
  frekvens du har skrevet inn, går foran riggens til riggen flyttes.
• En annen rapport enn 599 skrives etter mottatt nummer, med Space imellom:
  15 579 logger nummer 15 med rapport 579 for denne QSO-en alene.
Alt annet som bare består av sifre, avvises med en merknad i statuslinjen, og
ingenting endres. Når Sanntid er på, styrer klokken tiden, og en innskrevet tid
avvises; en frekvens blir likevel tatt imot.
Eksempel, fra papiret «1413 14025.5 DL1ABC 15 579», deretter «17 OH2XYZ 16»:
  1413 Space 14025.5 Space DL1ABC Space 15 Space 579 Enter
  17 Space OH2XYZ Space 16 Enter</translation>
    </message>
    <message>
        <source>The score table beside the log is updated after each QSO. The line below it
gives your rate: the QSOs in the last 60 minutes and the rate of the last ten
QSOs per hour, counted by the QSO times; it counts the QSOs the score table
counts.</source>
        <translation>Poengtabellen ved siden av loggen oppdateres etter hver QSO. Linjen under den
viser takten din: QSO-ene de siste 60 minuttene og takten for de ti siste
QSO-ene per time, regnet etter QSO-tidene; den teller de samme QSO-ene som
poengtabellen.</translation>
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
        <translation>Fil, Resultater... viser testen din per bånd (QSO-er, duplikater, QSO-er uten
poeng, poeng og multiplikatorer), poengsummen, driftstiden, de beste 60
minuttene og et diagram over QSO-ene dine i hver time av testen. Vinduet holdes
oppdatert med loggen mens det er åpent. Kopier sammendrag legger en kort tekst
for resultatsider på nettet på utklippstavlen. Poengtabellen, taktlinjen,
resultatene og sammendraget teller de samme QSO-ene: hver QSO i testen,
duplikater og QSO-er uten poeng medregnet. En QSO som ikke er med i testen (en
skandinav som kjører en skandinav, eller to stasjoner utenfor Skandinavia) eller
som ikke ligger på noe testbånd, blir stående i loggen, men telles ingen steder;
resultatene viser hvor mange det er.</translation>
    </message>
    <message>
        <source>Beside the number field Kerolt tells what the typed call is worth on the band
before you log it: DUPE, NEW MULT with the multiplier, the points, or 0 pts
and why; &quot;3 pts: no country found&quot; for a call the country file does not know.
From 2018 on, log 000 when a station gives no serial number; such a QSO gives
no points and no multiplier.</source>
        <translation>Ved siden av nummerfeltet viser Kerolt hva det innskrevne kallesignalet er verdt
på båndet før du logger det: DUPE, NEW MULT med multiplikatoren, poengene, eller
0 p og hvorfor; «3 p: fant ikke land» for et kallesignal som landfilen ikke
kjenner. Fra og med 2018 logger du 000 når en stasjon ikke gir noe løpenummer;
en slik QSO gir verken poeng eller multiplikator.</translation>
    </message>
    <message>
        <source>How Kerolt scores</source>
        <translation>Slik regner Kerolt poeng</translation>
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
        <translation>En QSO teller bare mellom en skandinavisk stasjon (SM, OH, OH0, LA, OZ, TF, OX,
OJ0, OY, JX eller JW) og en stasjon utenfor Skandinavia. Hva den er verdt,
avhenger av gruppen din, som vises på stasjonssiden:
• Skandinavisk: 2 poeng for en stasjon i Europa, 3 for en utenfor Europa (og for
  et kallesignal der Kerolt ikke finner landet). Multiplikatoren er stasjonens
  land: hvert land én gang per bånd (DL, K, JA...).
• Ikke-skandinavisk (Europa): 1 poeng for hver skandinavisk stasjon.
• Ikke-skandinavisk-DX: 3 poeng på 80 og 40 m, 1 poeng på 20, 15 og 10 m. For
  begge er multiplikatoren det skandinaviske prefikset med distriktssifferet, én
  gang per bånd: SM5ABC gir SM5, OH2XYZ OH2; OH0 og OJ0 teller som de er, og et
  prefiks skrevet foran (OZ/DL1ABC) gir OZ0.
• Et duplikat (samme kallesignal igjen på samme bånd) blir stående i loggen og
  teller som en QSO, med 0 poeng. Kallesignalet sammenlignes i sin helhet, så
  mange tegn som signalfeltet har plass til (13).
• Fra og med 2018 teller en QSO der mottatt nummer er 000, som en QSO med 0
  poeng og uten multiplikator.
• Poengsummen er summen av poengene på alle bånd ganger summen av
  multiplikatorene på alle bånd.
• Et kallesignal skrevet med et land etter «/» regnes der det ble kjørt fra:
  W1AW/OH er i Finland, OH2XX/W1 i USA. /P, /M, /MM, /AM, /QRP, /A og et enkelt
  siffer (SM5ABC/7 er i SM7) beholder hjemlandet.
En QSO som ikke er med i testen, eller på en frekvens utenfor de fem båndene,
blir stående i loggen med tomme Mult- og P-celler og telles ingen steder: ikke i
poengtabellen, taktlinjen, resultatene eller sammendraget.
Testbåndene er 80, 40, 20, 15 og 10 m: 3500-4000, 7000-7300, 14000-14350,
21000-21450 og 28000-29700 kHz. Båndplanen i reglene begrenser hver sendeart til
en del av dem (CW 3510-3560, 7000-7040, 14000-14060, 21000-21070, 28000-28070;
SSB 3600-3650 og 3700-3800, 7060-7100 og 7130-7200, 14125-14300, 21151-21450,
28320-29000); en QSO utenfor den logges og gir poeng, og Kontroll merker den.</translation>
    </message>
    <message>
        <source>Type the digit zero, not the letter O, in the time, number and call fields.</source>
        <translation>Skriv sifferet null, ikke bokstaven O, i feltene for tid, nummer og kallesignal.</translation>
    </message>
    <message>
        <source>When you search and pounce, type the call and press Space: a red call field
means you have worked the station on this band already; press Esc and tune on,
or press Enter, type the number and press Enter to log it anyway.</source>
        <translation>Når du leter etter stasjoner på båndet (search and pounce), skriver du
kallesignalet og trykker Space: et rødt signalfelt betyr at du allerede har
kjørt stasjonen på dette båndet; trykk Esc og skru videre, eller trykk Enter,
skriv nummeret og trykk Enter for å logge den likevel.</translation>
    </message>
    <message>
        <source>To correct the log, click a cell of the grid and type; move around with the
mouse, Tab and the arrow keys. To delete the last QSO, right-click the grid and
choose &quot;Delete last row&quot;. A correction follows the rules of the entry fields: a
value the field would not take is refused, the old one stays and the status bar
says why. Kerolt scores the whole log again with each correction. Cells that
came in bad from a file are pink until you correct them.</source>
        <translation>For å rette loggen klikker du på en celle i rutenettet og skriver; flytt deg
rundt med musen, Tab og piltastene. For å slette den siste QSO-en høyreklikker
du på rutenettet og velger «Slett siste rad». En rettelse følger de samme
reglene som inntastingsfeltene: en verdi som feltet ikke ville godta, avvises,
den gamle blir stående, og statuslinjen sier hvorfor. Kerolt regner ut hele
loggen på nytt ved hver rettelse. Celler som kom inn feil fra en fil, er rosa
til du retter dem.</translation>
    </message>
    <message>
        <source>File, New (Ctrl+N) starts an empty log in this year&apos;s contest; the station page
stays. Whenever the log has changed since it was last saved or opened, the
window&apos;s title shows a * and Kerolt asks before the log goes (Exit, Open,
Import, New).</source>
        <translation>Fil, Ny (Ctrl+N) begynner en tom logg i årets test; stasjonssiden blir stående.
Så snart loggen er endret siden den sist ble lagret eller åpnet, viser
vindustittelen en *, og Kerolt spør før loggen forsvinner (Avslutt, Åpne,
Importer, Ny).</translation>
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
        <translation>Siden «Cabrillo-logg» viser loggen slik den blir sendt; den kan ikke redigeres
der. Kommandoen Kontroll i menylinjen (Alt+K, fra hvilken som helst side)
forteller hvor mange problemer og merknader kontrollen finner, og nevner de
første. Linjer som en loggrobot ville stilt spørsmål ved, merkes røde (et
problem) eller gule (en merknad); pek på en merket linje for å se hvorfor: en
QSO utenfor testhelgen, en frekvens på et bånd SAC ikke bruker eller utenfor
båndplanen, en klasseverdi reglene ikke kjenner, en oppgitt poengsum som avviker
fra loggens, med mer. Cabrillo-teksten følger hver ny QSO og hver rettelse.
Med en MASTER.SCP-liste over testsignaler i mappen (eller den fra pakken
hamradio-files) listes de kjente kallesignalene som inneholder det du skriver i
signalfeltet, under poengtabellen; Oppsett, Delvis kontroll slår det av.</translation>
    </message>
    <message>
        <source>Logging live with the rig</source>
        <translation>Logge direkte med riggen</translation>
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
        <translation>Oppsett, Rigg... kobler Kerolt til radioen din via Hamlib. Velg modell
(«Hamlib NET rigctl» når en rigctld som allerede kjører), port (en seriell enhet
som /dev/ttyUSB0, eller vert:port for rigctld) og hastighet; «Av» i modellisten
kobler fra riggen. Kerolt husker riggen og kobler til igjen ved neste oppstart.
• Omtrent én gang i sekundet leser Kerolt riggens frekvens og sendeart og viser
  dem i statuslinjen, fulgt av (ikke CW) eller (ikke SSB) når sendearten ikke
  passer til testen.
• Når riggen går over til et annet testbånd, følger båndfeltet med. Et bånd
  valgt med Alt+B eller Alt+V gjelder til riggen flyttes igjen.
• En QSO som logges på riggens bånd, får riggens frekvens i kHz, for eksempel
  14025, i stedet for 14000.
• En rigg som er slått av eller frakoblet, holder aldri igjen skrivingen din:
  statuslinjen sier «ingen rigg», QSO-ene får båndet, og Kerolt kobler til igjen
  av seg selv.</translation>
    </message>
    <message>
        <source>File, Save... saves the Cabrillo log. Kerolt proposes your callsign as the file
name, with .log after it and every &quot;/&quot; replaced by &quot;-&quot; (SM5QQQ/P gives
SM5QQQ-P.log). To continue a saved log later, open it with File, Open....
You may edit the Cabrillo file in any text editor before you send it. Open
reads a log of any layout by its fields; a QSO line it cannot read is named in
one message after the load, and the rest of the log opens.</source>
        <translation>Fil, Lagre... lagrer Cabrillo-loggen. Kerolt foreslår kallesignalet ditt som
filnavn, med .log etter og hver «/» byttet ut med «-» (SM5QQQ/P gir
SM5QQQ-P.log). For å fortsette en lagret logg senere åpner du den med Fil,
Åpne....
Du kan redigere Cabrillo-filen i et hvilket som helst tekstredigeringsprogram
før du sender den. Åpne leser en logg med hvilket som helst oppsett etter
feltene; en QSO-linje som ikke kan leses, nevnes i én melding etter
innlastingen, og resten av loggen åpnes.</translation>
    </message>
    <message>
        <source>Send the Cabrillo file to the SAC contest manager as the rules of the year say:
upload it on the contest&apos;s web site, www.sactest.net, or send it by e-mail, in
time for the log deadline given in those rules.</source>
        <translation>Send Cabrillo-filen til testlederen for SAC slik årets regler sier: last den opp
på testens nettsted, www.sactest.net, eller send den med e-post, innen
loggfristen som står i de reglene.</translation>
    </message>
    <message>
        <source>ADIF: your logbook and the QSL services</source>
        <translation>ADIF: loggboken din og QSL-tjenestene</translation>
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
        <translation>• Fil, Eksporter ADIF... skriver loggen som en ADIF-fil for den vanlige
  loggboken din, LoTW, Club Log eller QRZ. Kerolt foreslår kallesignalet ditt
  med .adi etter, i mappen til loggen. Hver QSO beholder dato, tid, bånd,
  sendeart (CW eller SSB), rapporter, sendt og mottatt nummer, testen (SAC-CW
  eller SAC-SSB) og kallesignalet ditt; duplikater er QSO-er og blir også med.
• Fil, Importer ADIF... lager en ny logg fra ADIF-filen til loggprogrammet du
  brukte på lufta, slik Fil, Åpne... gjør med en Cabrillo-fil. Bare QSO-ene fra
  testhelgen, på de fem testbåndene og i testens sendeart tas med; en melding
  oppgir antallet og nevner de andre. Testen hentes fra filen, og kallesignalet
  ditt også når stasjonssiden ikke har noe. Kontroller stasjonssiden og lagre
  loggen før du sender den.</translation>
    </message>
    <message>
        <source>SetUp, Language chooses the language of the window and of this help: English,
Svenska, Suomi, Norsk bokmål or Dansk, or Follow the desktop, which takes your
desktop&apos;s language. Kerolt speaks a new choice from its next start. The Cabrillo
log is the same in every language.</source>
        <translation>Oppsett, Språk velger språket i vinduet og i denne hjelpen: English, Svenska,
Suomi, Norsk bokmål eller Dansk, eller Følg skrivebordet, som bruker språket på
skrivebordet ditt. Kerolt bruker et nytt valg fra neste oppstart.
Cabrillo-loggen er den samme på alle språk.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>%1 %2 to %3 %4 UTC</source>
        <translation>%1 %2 til %3 %4 UTC</translation>
    </message>
    <message>
        <source>%1 is not an ADIF file</source>
        <translation>%1 er ikke en ADIF-fil</translation>
    </message>
    <message>
        <source>the tag has no closing &apos;&gt;&apos;</source>
        <translation>taggen mangler avsluttende &apos;&gt;&apos;</translation>
    </message>
    <message>
        <source>&apos;&lt;%1&gt;&apos; is no ADIF tag</source>
        <translation>&apos;&lt;%1&gt;&apos; er ingen ADIF-tagg</translation>
    </message>
    <message>
        <source>&lt;EOH&gt; after the header</source>
        <translation>&lt;EOH&gt; etter hodet</translation>
    </message>
    <message>
        <source>the field &lt;%1&gt; has no length</source>
        <translation>feltet &lt;%1&gt; har ingen lengde</translation>
    </message>
    <message>
        <source>the field &lt;%1&gt; runs past the end of the file</source>
        <translation>feltet &lt;%1&gt; går forbi slutten av filen</translation>
    </message>
    <message>
        <source>the last record has no &lt;EOR&gt;</source>
        <translation>den siste posten mangler &lt;EOR&gt;</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: linje %2: %3</translation>
    </message>
    <message>
        <source>no call</source>
        <translation>ingen kallesignal</translation>
    </message>
    <message>
        <source>no valid date (YYYYMMDD)</source>
        <translation>ingen gyldig dato (YYYYMMDD)</translation>
    </message>
    <message>
        <source>no valid time (HHMM)</source>
        <translation>ingen gyldig tid (HHMM)</translation>
    </message>
    <message>
        <source>in another mode</source>
        <translation>i en annen sendeart</translation>
    </message>
    <message>
        <source>not on a contest band</source>
        <translation>ikke på noe testbånd</translation>
    </message>
    <message>
        <source>outside the contest period</source>
        <translation>utenfor testperioden</translation>
    </message>
    <message>
        <source>no received number</source>
        <translation>mangler mottatt nummer</translation>
    </message>
    <message>
        <source>not fit for the log</source>
        <translation>passer ikke i loggen</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The sent report &quot;%1&quot; is not a valid RST on CW</source>
        <translation>Sendt rapport «%1» er ingen gyldig RST på CW</translation>
    </message>
    <message>
        <source>The received report &quot;%1&quot; is not a valid RST on CW</source>
        <translation>Mottatt rapport «%1» er ingen gyldig RST på CW</translation>
    </message>
    <message>
        <source>The sent report &quot;%1&quot; is not a valid RST on SSB</source>
        <translation>Sendt rapport «%1» er ingen gyldig RST på SSB</translation>
    </message>
    <message>
        <source>The received report &quot;%1&quot; is not a valid RST on SSB</source>
        <translation>Mottatt rapport «%1» er ingen gyldig RST på SSB</translation>
    </message>
    <message>
        <source>The sent report &quot;%1&quot; is no report</source>
        <translation>Sendt rapport «%1» er ingen rapport</translation>
    </message>
    <message>
        <source>The received report &quot;%1&quot; is no report</source>
        <translation>Mottatt rapport «%1» er ingen rapport</translation>
    </message>
    <message>
        <source>QSO %1 (%2 %3 %4): %5</source>
        <translation>QSO %1 (%2 %3 %4): %5</translation>
    </message>
    <message>
        <source>No QSO lies in a %1 or %2 weekend (Saturday %3 to Sunday %4 UTC).</source>
        <translation>Ingen QSO ligger i en %1- eller %2-helg (lørdag %3 til søndag %4 UTC).</translation>
    </message>
    <message>
        <source>%1, the contest on the station page.</source>
        <translation>%1, testen på stasjonssiden.</translation>
    </message>
    <message>
        <source>%1, the contest weekend with the most QSOs in the file.</source>
        <translation>%1, testhelgen med flest QSO-er i filen.</translation>
    </message>
    <message>
        <source>%1, the contest weekend with the most QSOs in the file. It has none in %2, the contest on the station page.</source>
        <translation>%1, testhelgen med flest QSO-er i filen. Filen har ingen i %2, testen på stasjonssiden.</translation>
    </message>
    <message>
        <source>The file has more QSOs (%1) in %2: choose %3 on the station page to take those.</source>
        <translation>Filen har flere QSO-er (%1) i %2: velg %3 på stasjonssiden for å ta dem med.</translation>
    </message>
    <message>
        <source>The file holds no QSO.</source>
        <translation>Filen inneholder ingen QSO.</translation>
    </message>
    <message>
        <source>%1 of %2 QSO taken; not taken:</source>
        <translation>%1 av %2 QSO tatt med; ikke tatt med:</translation>
    </message>
    <message>
        <source>%1 of %2 QSOs taken; not taken:</source>
        <translation>%1 av %2 QSO-er tatt med; ikke tatt med:</translation>
    </message>
    <message>
        <source>%1 of %2 QSO taken, %3 outside that contest; not taken:</source>
        <translation>%1 av %2 QSO tatt med, %3 utenfor den testen; ikke tatt med:</translation>
    </message>
    <message>
        <source>%1 of %2 QSOs taken, %3 outside that contest; not taken:</source>
        <translation>%1 av %2 QSO-er tatt med, %3 utenfor den testen; ikke tatt med:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>og %1 til</translation>
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
        <translation>%1 er ikke en Cabrillo 3.0-logg</translation>
    </message>
    <message>
        <source>no header tag</source>
        <translation>ingen hodetagg</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>og %1 til</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linje %1: %2</translation>
    </message>
    <message>
        <source>These lines were not read as QSOs:</source>
        <translation>Disse linjene ble ikke lest som QSO-er:</translation>
    </message>
    <message>
        <source>%1 X-QSO line is kept as an X-QSO line: not scored, no dupe, in no total.</source>
        <translation>%1 X-QSO-linje beholdes som X-QSO-linje: uten poeng, ikke duplikat, i ingen sum.</translation>
    </message>
    <message>
        <source>%1 X-QSO lines are kept as X-QSO lines: not scored, no dupes, in no total.</source>
        <translation>%1 X-QSO-linjer beholdes som X-QSO-linjer: uten poeng, ingen duplikater, i ingen sum.</translation>
    </message>
    <message>
        <source>These lines were not read:</source>
        <translation>Disse linjene ble ikke lest:</translation>
    </message>
    <message>
        <source>Saving over the file leaves these lines out.</source>
        <translation>Hvis du lagrer over filen, blir disse linjene utelatt.</translation>
    </message>
    <message>
        <source>The file is UTF-8; these characters have no Latin-1 form and became &quot;?&quot;:</source>
        <translation>Filen er UTF-8; disse tegnene har ingen Latin-1-form og ble til «?»:</translation>
    </message>
    <message>
        <source>no frequency</source>
        <translation>ingen frekvens</translation>
    </message>
    <message>
        <source>no mode</source>
        <translation>ingen sendeart</translation>
    </message>
    <message>
        <source>no date</source>
        <translation>ingen dato</translation>
    </message>
    <message>
        <source>no time</source>
        <translation>ingen tid</translation>
    </message>
    <message>
        <source>no sent call</source>
        <translation>ingen sendt kallesignal</translation>
    </message>
    <message>
        <source>no sent report</source>
        <translation>ingen sendt rapport</translation>
    </message>
    <message>
        <source>no sent number</source>
        <translation>ingen sendt nummer</translation>
    </message>
    <message>
        <source>no call</source>
        <translation>ingen kallesignal</translation>
    </message>
    <message>
        <source>no received report</source>
        <translation>ingen mottatt rapport</translation>
    </message>
    <message>
        <source>no received number</source>
        <translation>ingen mottatt nummer</translation>
    </message>
    <message>
        <source>date &quot;%1&quot; is no date</source>
        <translation>datoen «%1» er ingen dato</translation>
    </message>
    <message>
        <source>sent call &quot;%1&quot; is a number, not a call</source>
        <translation>sendt kallesignal «%1» er et tall, ikke et kallesignal</translation>
    </message>
    <message>
        <source>call &quot;%1&quot; is a number, not a call</source>
        <translation>kallesignalet «%1» er et tall, ikke et kallesignal</translation>
    </message>
    <message>
        <source>no QSO line</source>
        <translation>ingen QSO-linje</translation>
    </message>
    <message>
        <source>&quot;%1&quot; after the received number</source>
        <translation>«%1» etter mottatt nummer</translation>
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
        <translation>%1 QSO-er</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Poengsum: %1</translation>
    </message>
    <message>
        <source>Operating time: %1</source>
        <translation>Driftstid: %1</translation>
    </message>
    <message>
        <source>On the air: %1 (breaks of %2 min or more left out)</source>
        <translation>På lufta: %1 (pauser på %2 min eller mer trukket fra)</translation>
    </message>
    <message>
        <source>Best 60 min: %1</source>
        <translation>Beste 60 min: %1</translation>
    </message>
    <message>
        <source>Without a time: %1</source>
        <translation>Uten tid: %1</translation>
    </message>
    <message>
        <source>Not in the contest, not counted: %1</source>
        <translation>Ikke med i testen, ikke talt: %1</translation>
    </message>
    <message>
        <source>On no contest band, not counted: %1</source>
        <translation>På intet testbånd, ikke talt: %1</translation>
    </message>
    <message>
        <source>%1/h</source>
        <translation>%1/t</translation>
    </message>
    <message>
        <source>Last 60 min: %1  Last 10: %2</source>
        <translation>Siste 60 min: %1  Siste 10: %2</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 t %2 min</translation>
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
        <translation>%1 %2 (ikke CW)</translation>
    </message>
    <message>
        <source>%1 %2 (not SSB)</source>
        <translation>%1 %2 (ikke SSB)</translation>
    </message>
</context>
<context>
    <name>Score</name>
    <message>
        <source>0 pts: Scandinavian with Scandinavian</source>
        <translation>0 p: skandinav mot skandinav</translation>
    </message>
    <message>
        <source>0 pts: not in the contest</source>
        <translation>0 p: ikke med i testen</translation>
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
        <translation>0 p: mottatt 000</translation>
    </message>
    <message>
        <source>%1 pt: no country found</source>
        <translation>%1 p: fant ikke land</translation>
    </message>
    <message>
        <source>%1 pts: no country found</source>
        <translation>%1 p: fant ikke land</translation>
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
        <translation>Ikke med i testen</translation>
    </message>
</context>
<context>
    <name>ScoreTable</name>
    <message>
        <source>Band  QSO  Pnt  Mul</source>
        <comment>keep the four columns&apos; widths</comment>
        <translation>Bånd  QSO    P  Mul</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Poeng:</translation>
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
        <translation>Ikke-skandinavisk</translation>
    </message>
    <message>
        <source>Non Scandinavian-DX</source>
        <translation>Ikke-skandinavisk-DX</translation>
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
        <translation>Klasse-Assistanse</translation>
    </message>
    <message>
        <source>Category-Band</source>
        <translation>Klasse-Bånd</translation>
    </message>
    <message>
        <source>Category-Operator</source>
        <translation>Klasse-Operatør</translation>
    </message>
    <message>
        <source>Category-Transmitter</source>
        <translation>Klasse-Sender</translation>
    </message>
    <message>
        <source>Category-Power</source>
        <translation>Klasse-Effekt</translation>
    </message>
    <message>
        <source>Category-Station</source>
        <translation>Klasse-Stasjon</translation>
    </message>
    <message>
        <source>Category-Overlay</source>
        <translation>Klasse-Tillegg</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;pråk</translation>
    </message>
    <message>
        <source>Kerolt follows the desktop&apos;s language from its next start.</source>
        <translation>Kerolt følger skrivebordets språk fra neste oppstart.</translation>
    </message>
    <message>
        <source>Kerolt speaks %1 from its next start.</source>
        <extracomment>%1 is the language&apos;s name in that language: Svenska, Suomi, ...</extracomment>
        <translation>Kerolt bruker %1 fra neste oppstart.</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Følg skrivebordet</translation>
    </message>
</context>
<context>
    <name>kerolt::AdifCommands</name>
    <message>
        <source>&amp;Import ADIF...</source>
        <translation>&amp;Importer ADIF...</translation>
    </message>
    <message>
        <source>&amp;Export ADIF...</source>
        <translation>&amp;Eksporter ADIF...</translation>
    </message>
</context>
<context>
    <name>kerolt::PartialCalls</name>
    <message>
        <source>* worked in this log, = the call typed, ~ one character away</source>
        <translation>* kjørt i loggen, = skrevet kallesignal, ~ ett tegn forskjell</translation>
    </message>
    <message>
        <source>Check &amp;partial</source>
        <translation>&amp;Delvis kontroll</translation>
    </message>
    <message numerus="yes">
        <source>+%n more</source>
        <comment>calls not shown</comment>
        <translation>
            <numerusform>+%n til</numerusform>
            <numerusform>+%n til</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kerolt::ResultsControl</name>
    <message>
        <source>&amp;Results...</source>
        <translation>&amp;Resultater...</translation>
    </message>
</context>
<context>
    <name>kerolt::ResultsWindow</name>
    <message>
        <source>Results</source>
        <translation>Resultater</translation>
    </message>
    <message>
        <source>QSOs</source>
        <translation>QSO-er</translation>
    </message>
    <message>
        <source>Dupes</source>
        <translation>Dupl.</translation>
    </message>
    <message>
        <source>0 pts</source>
        <comment>QSOs worth no points</comment>
        <translation>0 p</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Poeng</translation>
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
        <translation>Kopier sammendrag</translation>
    </message>
    <message>
        <source>The summary for score-reporting sites, as plain text</source>
        <translation>Sammendraget for resultatsider på nettet, som ren tekst</translation>
    </message>
    <message>
        <source>QSOs per hour (UTC)</source>
        <translation>QSO-er per time (UTC)</translation>
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
        <translation>Manuell inntasting av Cabrillo-logg for SAC</translation>
    </message>
    <message>
        <source>Version - %1  2011-09-16</source>
        <translation>Versjon - %1  2011-09-16</translation>
    </message>
    <message>
        <source>Kerolt developers</source>
        <translation>Kerolt-utviklerne</translation>
    </message>
    <message>
        <source>To make SAC easy</source>
        <translation>For å gjøre SAC enkelt</translation>
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
        <translation>Lagre multliste</translation>
    </message>
    <message>
        <source>Realtime: On</source>
        <translation>Sanntid: På</translation>
    </message>
    <message>
        <source>Realtime: Off</source>
        <translation>Sanntid: Av</translation>
    </message>
    <message>
        <source>AutoSave: On</source>
        <translation>Autolagring: På</translation>
    </message>
    <message>
        <source>AutoSave: Off</source>
        <translation>Autolagring: Av</translation>
    </message>
    <message>
        <source>%1 problem</source>
        <translation>%1 problem</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 problemer</translation>
    </message>
    <message>
        <source>%1 note</source>
        <translation>%1 merknad</translation>
    </message>
    <message>
        <source>%1 notes</source>
        <translation>%1 merknader</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The check&apos;s summary: the problems counted, then the notes</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2 (point at a marked line for why)</source>
        <translation>%1, %2 (pek på en merket linje for å se hvorfor)</translation>
    </message>
    <message>
        <source>Kerolt Ver %1 - Manual Cabrillo input for SAC</source>
        <translation>Kerolt ver. %1 - Manuell Cabrillo-inntasting for SAC</translation>
    </message>
    <message>
        <source>Last.log holds %1 QSO in no saved file, written %2 UTC. Open it?</source>
        <translation>Last.log har %1 QSO som ikke finnes i noen lagret fil, skrevet %2 UTC. Åpne den?</translation>
    </message>
    <message>
        <source>Last.log holds %1 QSOs in no saved file, written %2 UTC. Open it?</source>
        <translation>Last.log har %1 QSO-er som ikke finnes i noen lagret fil, skrevet %2 UTC. Åpne den?</translation>
    </message>
    <message>
        <source>Exit </source>
        <comment>message box title</comment>
        <translation>Avslutt </translation>
    </message>
    <message>
        <source>Open</source>
        <comment>message box title</comment>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>New</source>
        <comment>message box title</comment>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Do you want to save the log before exit?</source>
        <translation>Vil du lagre loggen før du avslutter?</translation>
    </message>
    <message>
        <source>Do you want to save the log before opening another?</source>
        <translation>Vil du lagre loggen før du åpner en annen?</translation>
    </message>
    <message>
        <source>Do you want to save the log before starting a new one?</source>
        <translation>Vil du lagre loggen før du begynner på en ny?</translation>
    </message>
    <message>
        <source>Quit without Saving?</source>
        <translation>Avslutte uten å lagre?</translation>
    </message>
    <message>
        <source>Data input</source>
        <translation>Stasjonsdata</translation>
    </message>
    <message>
        <source>Log input</source>
        <translation>Logging</translation>
    </message>
    <message>
        <source>Cabrillo log</source>
        <translation>Cabrillo-logg</translation>
    </message>
    <message>
        <source>Mult List</source>
        <translation>Multliste</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fil</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Åpne...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Lagre...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;vslutt</translation>
    </message>
    <message>
        <source>Set&amp;Up</source>
        <translation>&amp;Oppsett</translation>
    </message>
    <message>
        <source>&amp;Realtime</source>
        <translation>&amp;Sanntid</translation>
    </message>
    <message>
        <source>&amp;AutoSave</source>
        <translation>&amp;Autolagring</translation>
    </message>
    <message>
        <source>Chec&amp;k</source>
        <translation>&amp;Kontroll</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>&amp;HowTo</source>
        <translation>&amp;Veiledning</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Om...</translation>
    </message>
    <message>
        <source>Delete last row</source>
        <translation>Slett siste rad</translation>
    </message>
    <message>
        <source>Callsign used during the contest</source>
        <translation>Kallesignal brukt i testen</translation>
    </message>
    <message>
        <source>Callsign of the Operators</source>
        <translation>Operatørenes kallesignaler</translation>
    </message>
    <message>
        <source>Club (Not needed)</source>
        <translation>Klubb (ikke påkrevd)</translation>
    </message>
    <message>
        <source>Callsign </source>
        <translation>Signal </translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Operatører</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Navn</translation>
    </message>
    <message>
        <source>&amp;Address</source>
        <translation>&amp;Adresse</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>e-post</translation>
    </message>
    <message>
        <source>The program will fill in this for you</source>
        <translation>Programmet fyller ut dette for deg</translation>
    </message>
    <message>
        <source>&amp;Soapbox</source>
        <translation>Ko&amp;mmentarer</translation>
    </message>
    <message>
        <source>&amp;Clamed Score</source>
        <translation>Oppgitt &amp;poengsum</translation>
    </message>
    <message>
        <source>&amp;Club</source>
        <translation>K&amp;lubb</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lim inn</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Merk &amp;alt</translation>
    </message>
    <message>
        <source>MyCall</source>
        <comment>the own callsign&apos;s place until one is typed</comment>
        <translation>MittSignal</translation>
    </message>
    <message>
        <source>Sent</source>
        <comment>the button that shows the sent report and number</comment>
        <translation>Sendt</translation>
    </message>
    <message>
        <source>Received</source>
        <comment>the button that shows the received report and number</comment>
        <translation>Mottatt</translation>
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
        <translation>Hjelp</translation>
    </message>
</context>
</TS>
