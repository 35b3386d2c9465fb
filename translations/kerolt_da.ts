<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="en">
<context>
    <name>Check</name>
    <message>
        <source>problem: %1</source>
        <translation>problem: %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>bemærkning: %1</translation>
    </message>
    <message>
        <source>QSO line not read: %1</source>
        <translation>QSO-linje ikke læst: %1</translation>
    </message>
    <message>
        <source>mode %1 does not fit %2</source>
        <translation>driftsarten %1 passer ikke til %2</translation>
    </message>
    <message>
        <source>mode &quot;%1&quot; is neither CW nor PH</source>
        <translation>driftsarten &quot;%1&quot; er hverken CW eller PH</translation>
    </message>
    <message>
        <source>received number &quot;%1&quot; is not a number</source>
        <translation>modtaget nummer &quot;%1&quot; er ikke et tal</translation>
    </message>
    <message>
        <source>received number 0: the QSO gives no points and no multiplier</source>
        <translation>modtaget nummer 0: QSO&apos;et giver hverken point eller multiplikator</translation>
    </message>
    <message>
        <source>sent call %1 differs from CALLSIGN %2</source>
        <translation>sendt kaldesignal %1 afviger fra CALLSIGN %2</translation>
    </message>
    <message>
        <source>no worked call</source>
        <translation>mangler modstationens kaldesignal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a call</source>
        <translation>&quot;%1&quot; kan ikke være et kaldesignal</translation>
    </message>
    <message>
        <source>QSO with the entrant&apos;s own call %1</source>
        <translation>QSO med deltagerens eget kaldesignal %1</translation>
    </message>
    <message>
        <source>frequency &quot;%1&quot; is on no contest band (%2)</source>
        <translation>frekvensen &quot;%1&quot; ligger ikke på noget testbånd (%2)</translation>
    </message>
    <message>
        <source>frequency &quot;%1&quot; is on no contest band</source>
        <translation>frekvensen &quot;%1&quot; ligger ikke på noget testbånd</translation>
    </message>
    <message>
        <source>frequency %1 is outside the %2 band plan on %3</source>
        <translation>frekvensen %1 ligger uden for båndplanen for %2 på %3</translation>
    </message>
    <message>
        <source>QSO on %1 in a CATEGORY-BAND %2 entry</source>
        <translation>QSO på %1 i en log med CATEGORY-BAND %2</translation>
    </message>
    <message>
        <source>date &quot;%1&quot; is no date</source>
        <translation>datoen &quot;%1&quot; er ikke en dato</translation>
    </message>
    <message>
        <source>QSO at %1 %2 is outside %3 (from %4 1200 to the next day 1159 UTC)</source>
        <translation>QSO den %1 kl. %2 ligger uden for %3 (fra %4 1200 til næste dag 1159 UTC)</translation>
    </message>
    <message>
        <source>%1 gave %2 on line %3, now %4: a copying slip?</source>
        <translation>%1 gav %2 på linje %3, nu %4: en skrivefejl?</translation>
    </message>
    <message>
        <source>CLAIMED-SCORE &quot;%1&quot; differs from the log&apos;s score %2</source>
        <translation>CLAIMED-SCORE &quot;%1&quot; afviger fra loggens pointsum %2</translation>
    </message>
    <message>
        <source>time %1 is earlier than the QSO before it (%2)</source>
        <translation>tiden %1 er tidligere end QSO&apos;et før (%2)</translation>
    </message>
    <message>
        <source>sent number &quot;%1&quot; is not a number</source>
        <translation>sendt nummer &quot;%1&quot; er ikke et tal</translation>
    </message>
    <message>
        <source>sent number %1 repeats</source>
        <translation>sendt nummer %1 gentages</translation>
    </message>
    <message>
        <source>sent number %1 comes after %2</source>
        <translation>sendt nummer %1 kommer efter %2</translation>
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
        <translation>ukendt land for %1</translation>
    </message>
    <message>
        <source>%1 is not in the contest (Scandinavian with Scandinavian): no points</source>
        <translation>%1 er ikke med i testen (skandinav med skandinav): ingen point</translation>
    </message>
    <message>
        <source>%1 is not in the contest (non-Scandinavian with non-Scandinavian): no points</source>
        <translation>%1 er ikke med i testen (to stationer uden for Skandinavien): ingen point</translation>
    </message>
    <message>
        <source>%1 is a dupe of line %2: it stays in the log at 0 points</source>
        <translation>%1 er en dublet af linje %2: den bliver i loggen med 0 point</translation>
    </message>
    <message>
        <source>%1 is not a known contest call; did you mean %2?</source>
        <translation>%1 er ikke et kendt testsignal; mente du %2?</translation>
    </message>
    <message>
        <source>%1 has no Latin-1 form: read as &quot;?&quot;</source>
        <translation>%1 har ingen Latin-1-form: læst som &quot;?&quot;</translation>
    </message>
    <message>
        <source>Pass Ok</source>
        <translation>Godkendt</translation>
    </message>
    <message>
        <source>Pass Ok, %1 note</source>
        <translation>Godkendt, %1 bemærkning</translation>
    </message>
    <message>
        <source>Pass Ok, %1 notes</source>
        <translation>Godkendt, %1 bemærkninger</translation>
    </message>
    <message>
        <source>%1 problem, %2 note</source>
        <translation>%1 problem, %2 bemærkning</translation>
    </message>
    <message>
        <source>%1 problem, %2 notes</source>
        <translation>%1 problem, %2 bemærkninger</translation>
    </message>
    <message>
        <source>%1 problems, %2 note</source>
        <translation>%1 problemer, %2 bemærkning</translation>
    </message>
    <message>
        <source>%1 problems, %2 notes</source>
        <translation>%1 problemer, %2 bemærkninger</translation>
    </message>
    <message>
        <source>line %1: problem: %2</source>
        <translation>linje %1: problem: %2</translation>
    </message>
    <message>
        <source>line %1: note: %2</source>
        <translation>linje %1: bemærkning: %2</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... og %1 mere</translation>
    </message>
    <message>
        <source>more than four ADDRESS lines</source>
        <translation>mere end fire ADDRESS-linjer</translation>
    </message>
    <message>
        <source>%1 has no value: the list still shows &quot;%2&quot;</source>
        <translation>%1 har ingen værdi: listen viser stadig &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1 har ingen værdi</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not one of %3</source>
        <translation>%1 &quot;%2&quot; er ikke en af %3</translation>
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
        <translation>ingen %1-linje: den har ingen værdi</translation>
    </message>
    <message>
        <source>no END-OF-LOG line</source>
        <translation>ingen END-OF-LOG-linje</translation>
    </message>
    <message>
        <source>CATEGORY-MODE %1 does not match CONTEST %2</source>
        <translation>CATEGORY-MODE %1 passer ikke til CONTEST %2</translation>
    </message>
    <message>
        <source>CATEGORY-TRANSMITTER %1 is not open to %2</source>
        <translation>CATEGORY-TRANSMITTER %1 er ikke åben for %2</translation>
    </message>
    <message>
        <source>%1 %2 is open to non-Scandinavian stations only; %3 is %4</source>
        <translation>%1 %2 er kun åben for stationer uden for Skandinavien; %3 er %4</translation>
    </message>
    <message>
        <source>%1 %2 is open to Scandinavian stations only; %3 is %4</source>
        <translation>%1 %2 er kun åben for skandinaviske stationer; %3 er %4</translation>
    </message>
    <message>
        <source>Empty log</source>
        <translation>Tom log</translation>
    </message>
    <message>
        <source>Pass, Nice job</source>
        <translation>Godkendt, flot arbejde</translation>
    </message>
    <message>
        <source>Pass No QSO</source>
        <translation>Godkendt, ingen QSO&apos;er</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Not taken: %1</source>
        <translation>Ikke godtaget: %1</translation>
    </message>
    <message>
        <source>frequency &quot;%1&quot; is on no contest band</source>
        <translation>frekvensen &quot;%1&quot; ligger ikke på noget testbånd</translation>
    </message>
    <message>
        <source>sent number &quot;%1&quot; is not a number</source>
        <translation>sendt nummer &quot;%1&quot; er ikke et tal</translation>
    </message>
    <message>
        <source>received number &quot;%1&quot; is not a number</source>
        <translation>modtaget nummer &quot;%1&quot; er ikke et tal</translation>
    </message>
    <message>
        <source>call &quot;%1&quot; is longer than %2 characters</source>
        <translation>kaldesignalet &quot;%1&quot; er længere end %2 tegn</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a call: a call has letters and digits</source>
        <translation>&quot;%1&quot; kan ikke være et kaldesignal: et kaldesignal har bogstaver og cifre</translation>
    </message>
    <message>
        <source>the program fills this column</source>
        <translation>programmet udfylder denne kolonne</translation>
    </message>
    <message>
        <source>no QSO in this row</source>
        <translation>intet QSO i denne række</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>&apos;%1&apos; taken as nothing: %2</source>
        <translation>&apos;%1&apos; blev ikke brugt: %2</translation>
    </message>
    <message>
        <source>time %1</source>
        <translation>tid %1</translation>
    </message>
    <message>
        <source>expected a minute 00-59</source>
        <translation>forventede et minuttal 00-59</translation>
    </message>
    <message>
        <source>Realtime is on, the clock keeps the time</source>
        <translation>Realtid er slået til, uret holder tiden</translation>
    </message>
    <message>
        <source>a minute needs the hour of a time HHMM in the time field</source>
        <translation>et minuttal kræver timen fra en tid HHMM i tidsfeltet</translation>
    </message>
    <message>
        <source>frequency %1 kHz from this QSO on</source>
        <translation>frekvens %1 kHz fra og med dette QSO</translation>
    </message>
    <message>
        <source>frequency %1 kHz from this QSO on, logged as %2</source>
        <translation>frekvens %1 kHz fra og med dette QSO, logges som %2</translation>
    </message>
    <message>
        <source>expected a time HHMM (hours 00-23, minutes 00-59) or kHz on a contest band (%1)</source>
        <translation>forventede en tid HHMM (timer 00-23, minutter 00-59) eller kHz på et testbånd (%1)</translation>
    </message>
    <message>
        <source>expected kHz on a contest band (%1)</source>
        <translation>forventede kHz på et testbånd (%1)</translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; after the number is not a valid RST on CW (such as 599)</source>
        <translation>rapporten &apos;%1&apos; efter nummeret er ikke en gyldig RST på CW (f.eks. 599)</translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; after the number is not a valid RST on SSB (such as 59)</source>
        <translation>rapporten &apos;%1&apos; efter nummeret er ikke en gyldig RST på SSB (f.eks. 59)</translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; after the number is not a valid RST</source>
        <translation>rapporten &apos;%1&apos; efter nummeret er ikke en gyldig RST</translation>
    </message>
    <message>
        <source>sent report &quot;%1&quot; is no report</source>
        <translation>sendt rapport &quot;%1&quot; er ikke en rapport</translation>
    </message>
    <message>
        <source>received report &quot;%1&quot; is no report</source>
        <translation>modtaget rapport &quot;%1&quot; er ikke en rapport</translation>
    </message>
    <message>
        <source>The call would be %1 characters long; a call has at most %2. Nothing was pasted.</source>
        <translation>Kaldesignalet ville blive %1 tegn langt; et kaldesignal har højst %2. Intet blev indsat.</translation>
    </message>
    <message>
        <source>The time &apos;%1&apos; is not four digits (HHMM)</source>
        <translation>Tiden &apos;%1&apos; er ikke fire cifre (HHMM)</translation>
    </message>
    <message>
        <source>The report &apos;%1&apos; is not two or three digits</source>
        <translation>Rapporten &apos;%1&apos; er ikke to eller tre cifre</translation>
    </message>
    <message>
        <source>The call &apos;%1&apos; is longer than %2 characters</source>
        <translation>Kaldesignalet &apos;%1&apos; er længere end %2 tegn</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be a call: a call has letters and digits</source>
        <translation>&apos;%1&apos; kan ikke være et kaldesignal: et kaldesignal har bogstaver og cifre</translation>
    </message>
    <message>
        <source>time &quot;%1&quot; is not a valid HHMM time</source>
        <translation>tiden &quot;%1&quot; er ikke en gyldig tid HHMM</translation>
    </message>
    <message>
        <source>sent report &quot;%1&quot; is not a valid RST on CW</source>
        <translation>sendt rapport &quot;%1&quot; er ikke en gyldig RST på CW</translation>
    </message>
    <message>
        <source>received report &quot;%1&quot; is not a valid RST on CW</source>
        <translation>modtaget rapport &quot;%1&quot; er ikke en gyldig RST på CW</translation>
    </message>
    <message>
        <source>sent report &quot;%1&quot; is not a valid RST on SSB</source>
        <translation>sendt rapport &quot;%1&quot; er ikke en gyldig RST på SSB</translation>
    </message>
    <message>
        <source>received report &quot;%1&quot; is not a valid RST on SSB</source>
        <translation>modtaget rapport &quot;%1&quot; er ikke en gyldig RST på SSB</translation>
    </message>
    <message>
        <source>The sent number is empty: type the number this QSO was given in the sent Nr field, then Enter again</source>
        <translation>Det sendte nummer er tomt: skriv det nummer, dette QSO fik, i feltet for sendt Nr, og tryk så Enter igen</translation>
    </message>
    <message>
        <source>The sent number %1 would have more than %2 digits, which the QSO line cannot hold</source>
        <translation>Det sendte nummer %1 ville få mere end %2 cifre, hvilket QSO-linjen ikke kan rumme</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>no call</source>
        <translation>intet kaldesignal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a call</source>
        <translation>&quot;%1&quot; kan ikke være et kaldesignal</translation>
    </message>
    <message>
        <source>date &quot;%1&quot; is no date</source>
        <translation>datoen &quot;%1&quot; er ikke en dato</translation>
    </message>
    <message>
        <source>time &quot;%1&quot; is no time</source>
        <translation>tiden &quot;%1&quot; er ikke et klokkeslæt</translation>
    </message>
    <message>
        <source>QSO %1 (%2 %3 %4): %5</source>
        <translation>QSO %1 (%2 %3 %4): %5</translation>
    </message>
    <message>
        <source>These QSOs were left out of the ADIF file:</source>
        <translation>Disse QSO&apos;er blev udeladt af ADIF-filen:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>og %1 mere</translation>
    </message>
    <message>
        <source>The log has no callsign: type it on the &quot;Data input&quot; page, then export.</source>
        <translation>Loggen har intet kaldesignal: skriv det på siden &quot;Stationsdata&quot;, og eksportér så.</translation>
    </message>
    <message>
        <source>The log has no QSOs: there is nothing to export.</source>
        <translation>Loggen har ingen QSO&apos;er: der er intet at eksportere.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Unknown error</source>
        <translation>Ukendt fejl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; er ikke et gyldigt heltal</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Kan ikke åbne filen %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Kan ikke oprette filen %1</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, the most Kerolt reads</source>
        <translation>%1 er større end %2 MB, det største Kerolt læser</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes, the most Kerolt reads</source>
        <translation>%1 er større end %2 byte, det største Kerolt læser</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>How to make your log</source>
        <translation>Sådan laver du din log</translation>
    </message>
    <message>
        <source>Start on the &quot;Data input&quot; page and fill in your station information. Tab takes you
to the next field and Shift+Tab back to the one before. Enter moves on as well,
though not in the e-mail field and the lists: from the callsign to the contest
list, and from the operators through the name and the address lines to the
claimed score, the club and the soapbox.</source>
        <translation>Start på siden &quot;Stationsdata&quot;, og udfyld oplysningerne om din station. Tab fører
dig til næste felt og Shift+Tab tilbage til det forrige. Enter går også videre,
dog ikke i e-mail-feltet og i listerne: fra kaldesignalet til listen Test, og
fra operatørerne via navnet og adresselinjerne til opgivet pointsum, klubben og
kommentarerne.</translation>
    </message>
    <message>
        <source>• Callsign: the call you used in the contest. When you leave the field Kerolt
  shows whether you count as Scandinavian, Non Scandinavian or
  Non Scandinavian-DX, and offers only the categories open to you.
• Operators: the calls of the operators.
• Name, Address (three lines) and e-mail: so that the contest manager can
  reach you.</source>
        <translation>• Signal: det kaldesignal, du brugte i testen. Når du forlader feltet, viser
  Kerolt, om du regnes som Skandinavisk, Ikke-skandinavisk eller
  Ikke-skandinavisk-DX, og tilbyder kun de klasser, der er åbne for dig.
• Operatører: operatørernes kaldesignaler.
• Navn, Adresse (tre linjer) og e-mail: så testlederen kan komme i kontakt med
  dig.</translation>
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
        <translation>Listerne i midten tilbyder disse valg:
• Test: SAC-CW eller SAC-SSB.
• Klasse-Assistance: NON-ASSISTED eller ASSISTED.
• Klasse-Bånd: ALL, 80M, 40M, 20M, 15M eller 10M for skandinaviske stationer;
  alle andre vælger ALL eller LOW-BAND (80 og 40 m).
• Klasse-Operatør: SINGLE-OP, MULTI-OP eller CHECKLOG. Med SINGLE-OP er ONE det
  eneste valg for sender.
• Klasse-Sender: ONE eller UNLIMITED.
• Klasse-Effekt: HIGH, LOW eller QRP.
• Klasse-Tillæg: intet, ROOKIE, TB-WIRES, CLASSIC eller WIRE-ONLY; denne liste
  vises kun for skandinaviske stationer.
Vælg ved at klikke på pilen i højre side af listen og derefter på linjen, eller
gå gennem linjerne med piletasterne op og ned. Indtil du vælger noget, viser
listen sit eget navn, f.eks. Klasse-Effekt, og så kommer listens engelske navn,
her Category-Power, med i Cabrillo-loggen, præcis som det står.</translation>
    </message>
    <message>
        <source>• Clamed Score: you need not type it. Kerolt takes it from the score table of
  the &quot;Log input&quot; page and fills it in for you.
• Club and Soapbox are optional. In the soapbox you may tell about your
  equipment, give your e-mail address or write a short comment.</source>
        <translation>• Opgivet pointsum: den behøver du ikke skrive. Kerolt tager den fra
  pointtabellen på siden &quot;Logning&quot; og udfylder den for dig.
• Klub og Kommentarer er frivillige. I kommentarerne kan du fortælle om dit
  udstyr, opgive din e-mail-adresse eller skrive en kort kommentar.</translation>
    </message>
    <message>
        <source>The &quot;Log input&quot; page appears as soon as you have chosen the contest and typed a
callsign of at least three characters.</source>
        <translation>Siden &quot;Logning&quot; kommer frem, så snart du har valgt test og skrevet et
kaldesignal på mindst tre tegn.</translation>
    </message>
    <message>
        <source>The menus open with Alt and their underlined letter: Alt+F for File, Alt+U for
SetUp, Alt+H for Help, and Alt+K runs Check. F10 opens the File menu; the arrow
keys go on from there. Ctrl+N starts a new log; Ctrl+O opens a log, Ctrl+S saves it,
F1 shows this help.</source>
        <translation>Menuerne åbnes med Alt og deres understregede bogstav: Alt+F for Filer, Alt+I
for Indstillinger, Alt+H for Hjælp, og Alt+K kører Kontrol. F10 åbner menuen
Filer; piletasterne går videre derfra. Ctrl+N starter en ny log; Ctrl+O åbner en
log, Ctrl+S gemmer den, F1 viser denne hjælp.</translation>
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
        <translation>På siden &quot;Logning&quot;:
• Datoen følger af den test, du har valgt: Kerolt kender årets testweekend og
  viser datoen for et QSO, der logges på tiden i tidsfeltet.
• Båndfeltet tilbyder 3500, 7000, 14000, 21000 og 28000 (80, 40, 20, 15 og
  10 m). Det forbliver rødt, indtil du vælger et bånd. Alt+B skifter et bånd
  op, Alt+V et bånd ned.
• Tidsfeltet starter på 1200. Når Realtid er slået fra, flytter piletasterne op
  og ned, eller plus- og minustasterne på det numeriske tastatur, tiden et
  minut frem eller tilbage (piletasterne dog ikke, når logtabellen eller
  båndfeltet har fokus). Du kan også skrive tiden med fire cifre, HHMM.
• Realtid (Indstillinger, Realtid) holder tidsfeltet i takt med computerens ur,
  én gang i sekundet. Computerens ur skal da være stillet på UTC.
• Autogem (Indstillinger, Autogem) er slået til ved første start: efter hver
  ændring af loggen (et QSO, en rettelse, en slettet række, et stationsfelt)
  skriver Kerolt hele Cabrillo-loggen til filen Last.log i den mappe, programmet
  blev startet fra. Klik på Indstillinger, Autogem for at slå det fra. Realtid
  og Autogem bliver ved næste start, som du forlod dem. Hvis Kerolt eller
  computeren går i stå, så start Kerolt igen i samme mappe: når Last.log
  indeholder QSO&apos;er, som ikke er i nogen gemt fil, tilbyder Kerolt at åbne den.
• Det sendte løbenummer starter på 1 og tæller selv op efter hvert QSO (op til
  fem cifre). Du kan ændre det, ligesom den sendte og den modtagne rapport, ved
  at skrive i deres felter; Enter i feltet for sendt rapport eller sendt nummer
  fører dig videre til det modtagne nummer.</translation>
    </message>
    <message>
        <source>How to type a QSO</source>
        <translation>Sådan skriver du et QSO ind</translation>
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
        <translation>• Vælg bånd.
• Når du logger efter testen, så vælg tiden for QSO&apos;et.
• Skriv modstationens kaldesignal; signalfeltet har fokus.
• Tryk på Space for dublettjekket. Et signal, der allerede er logget på båndet,
  gør signalfeltet rødt, mens du skriver det, og Space lader dig så blive i
  signalfeltet: Esc sletter signalet, eller Enter fører dig til nummerfeltet,
  så du kan logge det alligevel. Ellers fører Space dig til nummerfeltet.
• Skriv det modtagne nummer.
• Tryk på Enter for at logge QSO&apos;et.</translation>
    </message>
    <message>
        <source>In realtime mode it is even shorter: call, Space, number, Enter.</source>
        <translation>I realtid går det endnu hurtigere: signal, Space, nummer, Enter.</translation>
    </message>
    <message>
        <source>Typing a paper log</source>
        <translation>Indtastning af en papirlog</translation>
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
        <translation>Skriv tiden og frekvensen der, hvor signalet skal stå, hver afsluttet med
Space; signalfeltet tømmes til signalet, og tidsfeltet og båndfeltet viser med
det samme, hvad der blev taget imod:
• 1 eller 2 cifre: minuttet. Timen bliver stående, eller går videre til næste
  time, når minuttet ligger før tidsfeltets minut (1358, derefter 03, giver
  1403; 1358, derefter 58, forbliver 1358 til et QSO mere i samme minut; efter
  2358 giver 03 0003).
• 3 eller 4 cifre: tiden, HMM eller HHMM (930 eller 0930; 028 for 0028).
• En frekvens i kHz på et testbånd (3500-4000, 7000-7300, 14000-14350,
  21000-21450, 28000-29700), hel eller med decimaler som 14025.5: båndfeltet
  følger med, og dette og de følgende QSO&apos;er får den frekvens, indtil du skriver
  en anden eller vælger et bånd med Alt+B eller Alt+V, som giver båndets egen
  værdi igen. Loggen tager hele kHz: 14025.5 logges som 14026, 14025.4 som
  14025. En indtastet frekvens går forud for radioens, indtil radioen flyttes.
• En anden rapport end 599 skrives efter det modtagne nummer med Space imellem:
  15 579 logger nummer 15 med rapport 579 for netop dette QSO.
Alt andet, der kun består af cifre, afvises med en bemærkning i statuslinjen,
og intet ændres. Når Realtid er slået til, holder uret tiden, og en indtastet
tid afvises; en frekvens bliver stadig taget imod.
Eksempel, fra papiret &quot;1413 14025.5 DL1ABC 15 579&quot;, derefter &quot;17 OH2XYZ 16&quot;:
  1413 Space 14025.5 Space DL1ABC Space 15 Space 579 Enter
  17 Space OH2XYZ Space 16 Enter</translation>
    </message>
    <message>
        <source>The score table beside the log is updated after each QSO. The line below it
gives your rate: the QSOs in the last 60 minutes and the rate of the last ten
QSOs per hour, counted by the QSO times; it counts the QSOs the score table
counts.</source>
        <translation>Pointtabellen ved siden af loggen opdateres efter hvert QSO. Linjen under den
viser dit tempo: QSO&apos;erne i de seneste 60 minutter og tempoet for de ti seneste
QSO&apos;er pr. time, regnet ud fra QSO-tiderne; den tæller de samme QSO&apos;er som
pointtabellen.</translation>
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
        <translation>Filer, Resultater... viser din test pr. bånd (QSO&apos;er, dubletter, QSO&apos;er uden
point, point og multiplikatorer), pointsummen, driftstiden, de bedste 60
minutter og et diagram over dine QSO&apos;er i hver time af testen. Vinduet følger
med loggen, mens det er åbent. Kopiér resumé lægger en kort tekst til sider,
der samler resultater ind, i udklipsholderen. Pointtabellen, tempolinjen,
resultaterne og resuméet tæller de samme QSO&apos;er: hvert QSO i testen, dubletter
og QSO&apos;er uden point medregnet. Et QSO, der ikke er med i testen (en skandinav,
der kører en skandinav, eller to stationer uden for Skandinavien), eller som
ikke ligger på noget testbånd, bliver i loggen, men tælles ingen steder;
resultaterne viser, hvor mange der er.</translation>
    </message>
    <message>
        <source>Beside the number field Kerolt tells what the typed call is worth on the band
before you log it: DUPE, NEW MULT with the multiplier, the points, or 0 pts
and why; &quot;3 pts: no country found&quot; for a call the country file does not know.
From 2018 on, log 000 when a station gives no serial number; such a QSO gives
no points and no multiplier.</source>
        <translation>Ved siden af nummerfeltet viser Kerolt, hvad det indtastede signal er værd på
båndet, før du logger det: DUPE, NEW MULT med multiplikatoren, pointene, eller
0 p og hvorfor; &quot;3 p: ukendt land&quot; for et signal, som landefilen ikke kender.
Fra og med 2018 logger du 000, når en station ikke giver noget løbenummer; et
sådant QSO giver hverken point eller multiplikator.</translation>
    </message>
    <message>
        <source>How Kerolt scores</source>
        <translation>Sådan tæller Kerolt point</translation>
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
        <translation>Et QSO tæller kun mellem en skandinavisk station (SM, OH, OH0, LA, OZ, TF, OX,
OJ0, OY, JX eller JW) og en station uden for Skandinavien. Hvad det er værd,
afhænger af din gruppe, som vises på stationssiden:
• Skandinavisk: 2 point for en station i Europa, 3 for en uden for Europa (og
  for et signal, hvis land Kerolt ikke kan finde). Multiplikatoren er
  stationens land: hvert land én gang på hvert bånd (DL, K, JA...).
• Ikke-skandinavisk (Europa): 1 point for hver skandinavisk station.
• Ikke-skandinavisk-DX: 3 point på 80 og 40 m, 1 point på 20, 15 og 10 m.
  For begge er multiplikatoren det skandinaviske prefiks med distriktscifferet,
  én gang på hvert bånd: SM5ABC giver SM5, OH2XYZ OH2; OH0 og OJ0 tæller, som
  de er, og et prefiks skrevet foran (OZ/DL1ABC) giver OZ0.
• En dublet (samme signal igen på samme bånd) bliver i loggen og tæller som et
  QSO med 0 point. Signalet sammenlignes i sin helhed, så mange tegn som
  signalfeltet kan rumme (13).
• Fra og med 2018 tæller et QSO, hvis modtagne nummer er 000, som et QSO med
  0 point og uden multiplikator.
• Pointsummen er summen af pointene på alle bånd gange summen af
  multiplikatorerne på alle bånd.
• Et signal skrevet med et land efter &quot;/&quot; tælles der, hvor det blev kørt fra:
  W1AW/OH er i Finland, OH2XX/W1 i USA. /P, /M, /MM, /AM, /QRP, /A og et
  enkelt ciffer (SM5ABC/7 er i SM7) beholder hjemlandet.
Et QSO, der ikke er med i testen, eller som ligger på en frekvens uden for de
fem bånd, bliver i loggen med tomme Mult- og P-celler og tælles ingen steder:
ikke i pointtabellen, tempolinjen, resultaterne eller resuméet.
Testbåndene er 80, 40, 20, 15 og 10 m: 3500-4000, 7000-7300, 14000-14350,
21000-21450 og 28000-29700 kHz. Reglernes båndplan begrænser hver driftsart
til en del af dem (CW 3510-3560, 7000-7040, 14000-14060, 21000-21070,
28000-28070; SSB 3600-3650 og 3700-3800, 7060-7100 og 7130-7200,
14125-14300, 21151-21450, 28320-29000); et QSO uden for den logges og får
point, og Kontrol markerer det.</translation>
    </message>
    <message>
        <source>Type the digit zero, not the letter O, in the time, number and call fields.</source>
        <translation>Skriv cifferet nul, ikke bogstavet O, i felterne for tid, nummer og signal.</translation>
    </message>
    <message>
        <source>When you search and pounce, type the call and press Space: a red call field
means you have worked the station on this band already; press Esc and tune on,
or press Enter, type the number and press Enter to log it anyway.</source>
        <translation>Når du jagter stationer på båndet (search and pounce), så skriv signalet og
tryk på Space: et rødt signalfelt betyder, at du allerede har kørt stationen på
dette bånd; tryk på Esc og drej videre, eller tryk på Enter, skriv nummeret og
tryk på Enter for at logge det alligevel.</translation>
    </message>
    <message>
        <source>To correct the log, click a cell of the grid and type; move around with the
mouse, Tab and the arrow keys. To delete the last QSO, right-click the grid and
choose &quot;Delete last row&quot;. A correction follows the rules of the entry fields: a
value the field would not take is refused, the old one stays and the status bar
says why. Kerolt scores the whole log again with each correction. Cells that
came in bad from a file are pink until you correct them.</source>
        <translation>For at rette i loggen klikker du på en celle i logtabellen og skriver; flyt
rundt med musen, Tab og piletasterne. For at slette det sidste QSO
højreklikker du på logtabellen og vælger &quot;Slet sidste række&quot;. En rettelse
følger de samme regler som indtastningsfelterne: en værdi, som feltet ikke
ville tage imod, afvises, den gamle bliver stående, og statuslinjen siger
hvorfor. Kerolt beregner point for hele loggen igen ved hver rettelse. Celler,
der kom forkerte ind fra en fil, er lyserøde, indtil du retter dem.</translation>
    </message>
    <message>
        <source>File, New (Ctrl+N) starts an empty log in this year&apos;s contest; the station page
stays. Whenever the log has changed since it was last saved or opened, the
window&apos;s title shows a * and Kerolt asks before the log goes (Exit, Open,
Import, New).</source>
        <translation>Filer, Ny (Ctrl+N) starter en tom log i årets test; stationssiden bliver
stående. Så snart loggen er ændret, siden den sidst blev gemt eller åbnet,
viser vinduets titel en *, og Kerolt spørger, før loggen forsvinder (Afslut,
Åbn, Importér, Ny).</translation>
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
        <translation>Siden &quot;Cabrillo-log&quot; viser loggen, som den vil blive sendt; den kan ikke
redigeres der. Kommandoen Kontrol i menulinjen (Alt+K, fra en hvilken som helst
side) fortæller, hvor mange problemer og bemærkninger kontrollen finder, og
nævner de første. Linjer, som en logrobot ville sætte spørgsmålstegn ved,
markeres med rødt (et problem) eller gult (en bemærkning); peg på en markeret
linje for at se hvorfor: et QSO uden for testweekenden, en frekvens på et
bånd, som SAC ikke bruger, eller uden for dets båndplan, en klasseværdi, som
reglerne ikke kender, en opgivet pointsum, der afviger fra loggens, med mere.
Cabrillo-teksten følger hvert nyt QSO og hver rettelse.
Med en MASTER.SCP-liste over testsignaler i mappen (eller den fra pakken
hamradio-files) vises de kendte signaler, der indeholder det, du skriver i
signalfeltet, under pointtabellen; Indstillinger, Delvis kontrol slår det fra.</translation>
    </message>
    <message>
        <source>Logging live with the rig</source>
        <translation>Logning direkte med radioen</translation>
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
        <translation>Indstillinger, Radio... forbinder Kerolt med din radio via Hamlib. Vælg model
(&quot;Hamlib NET rigctl&quot; når en rigctld, der allerede kører), port (en seriel enhed
som /dev/ttyUSB0, eller vært:port for rigctld) og hastighed; &quot;Fra&quot; i
modellisten afbryder forbindelsen. Kerolt husker radioen og forbinder igen ved
næste start.
• Cirka én gang i sekundet læser Kerolt radioens frekvens og driftsart og viser
  dem i statuslinjen, efterfulgt af (ikke CW) eller (ikke SSB), når
  driftsarten ikke passer til testen.
• Når radioen skifter til et andet testbånd, følger båndfeltet med. Et bånd,
  der er valgt med Alt+B eller Alt+V, gælder, indtil radioen flyttes igen.
• Et QSO, der logges på radioens bånd, får radioens frekvens i kHz, f.eks.
  14025, i stedet for 14000.
• En radio, der er slukket eller ikke tilsluttet, holder aldrig din indtastning
  op: statuslinjen siger &quot;ingen radio&quot;, QSO&apos;erne får båndet, og Kerolt forbinder
  igen af sig selv.</translation>
    </message>
    <message>
        <source>File, Save... saves the Cabrillo log. Kerolt proposes your callsign as the file
name, with .log after it and every &quot;/&quot; replaced by &quot;-&quot; (SM5QQQ/P gives
SM5QQQ-P.log). To continue a saved log later, open it with File, Open....
You may edit the Cabrillo file in any text editor before you send it. Open
reads a log of any layout by its fields; a QSO line it cannot read is named in
one message after the load, and the rest of the log opens.</source>
        <translation>Filer, Gem... gemmer Cabrillo-loggen. Kerolt foreslår dit kaldesignal som
filnavn, med .log efter og hver &quot;/&quot; erstattet af &quot;-&quot; (SM5QQQ/P giver
SM5QQQ-P.log). For at fortsætte en gemt log senere åbner du den med
Filer, Åbn....
Du kan redigere Cabrillo-filen i et hvilket som helst tekstprogram, før du
sender den. Åbn læser en log med en hvilken som helst opstilling ud fra dens
felter; en QSO-linje, der ikke kan læses, nævnes i én meddelelse efter
indlæsningen, og resten af loggen åbnes.</translation>
    </message>
    <message>
        <source>Send the Cabrillo file to the SAC contest manager as the rules of the year say:
upload it on the contest&apos;s web site, www.sactest.net, or send it by e-mail, in
time for the log deadline given in those rules.</source>
        <translation>Send Cabrillo-filen til SAC&apos;s testleder, som årets regler foreskriver: upload
den på testens hjemmeside, www.sactest.net, eller send den med e-mail, i god
tid før den frist for logs, som reglerne angiver.</translation>
    </message>
    <message>
        <source>ADIF: your logbook and the QSL services</source>
        <translation>ADIF: din logbog og QSL-tjenesterne</translation>
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
        <translation>• Filer, Eksportér ADIF... skriver loggen som en ADIF-fil til din daglige
  logbog, LoTW, Club Log eller QRZ. Kerolt foreslår dit kaldesignal med .adi
  efter, i loggens mappe. Hvert QSO beholder dato, tid, bånd, driftsart (CW
  eller SSB), rapporter, sendt og modtaget nummer, testen (SAC-CW eller
  SAC-SSB) og dit kaldesignal; dubletter er QSO&apos;er og kommer også med.
• Filer, Importér ADIF... laver en ny log ud fra ADIF-filen fra det logprogram,
  du brugte i luften, ligesom Filer, Åbn... gør med en Cabrillo-fil. Kun
  QSO&apos;erne fra testweekenden, på de fem testbånd og i testens driftsart tages
  med; en meddelelse angiver antallet og nævner de øvrige. Testen hentes fra
  filen, og dit kaldesignal også, når stationssiden ikke har et. Kontrollér
  stationssiden, og gem loggen, før du sender den.</translation>
    </message>
    <message>
        <source>SetUp, Language chooses the language of the window and of this help: English,
Svenska, Suomi, Norsk bokmål or Dansk, or Follow the desktop, which takes your
desktop&apos;s language. Kerolt speaks a new choice from its next start. The Cabrillo
log is the same in every language.</source>
        <translation>Indstillinger, Sprog vælger sproget i vinduet og i denne hjælp: English,
Svenska, Suomi, Norsk bokmål eller Dansk, eller Følg skrivebordet, som bruger
skrivebordets sprog. Et nyt valg gælder fra næste start. Cabrillo-loggen er
den samme på alle sprog.</translation>
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
        <translation>tagget mangler en afsluttende &apos;&gt;&apos;</translation>
    </message>
    <message>
        <source>&apos;&lt;%1&gt;&apos; is no ADIF tag</source>
        <translation>&apos;&lt;%1&gt;&apos; er ikke et ADIF-tag</translation>
    </message>
    <message>
        <source>&lt;EOH&gt; after the header</source>
        <translation>&lt;EOH&gt; efter headeren</translation>
    </message>
    <message>
        <source>the field &lt;%1&gt; has no length</source>
        <translation>feltet &lt;%1&gt; har ingen længde</translation>
    </message>
    <message>
        <source>the field &lt;%1&gt; runs past the end of the file</source>
        <translation>feltet &lt;%1&gt; går ud over filens slutning</translation>
    </message>
    <message>
        <source>the last record has no &lt;EOR&gt;</source>
        <translation>den sidste post mangler &lt;EOR&gt;</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: linje %2: %3</translation>
    </message>
    <message>
        <source>no call</source>
        <translation>intet kaldesignal</translation>
    </message>
    <message>
        <source>no valid date (YYYYMMDD)</source>
        <translation>ingen gyldig dato (YYYYMMDD)</translation>
    </message>
    <message>
        <source>no valid time (HHMM)</source>
        <translation>intet gyldigt klokkeslæt (HHMM)</translation>
    </message>
    <message>
        <source>in another mode</source>
        <translation>i en anden driftsart</translation>
    </message>
    <message>
        <source>not on a contest band</source>
        <translation>ikke på et testbånd</translation>
    </message>
    <message>
        <source>outside the contest period</source>
        <translation>uden for testperioden</translation>
    </message>
    <message>
        <source>no received number</source>
        <translation>intet modtaget nummer</translation>
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
        <translation>Den sendte rapport &quot;%1&quot; er ikke en gyldig RST på CW</translation>
    </message>
    <message>
        <source>The received report &quot;%1&quot; is not a valid RST on CW</source>
        <translation>Den modtagne rapport &quot;%1&quot; er ikke en gyldig RST på CW</translation>
    </message>
    <message>
        <source>The sent report &quot;%1&quot; is not a valid RST on SSB</source>
        <translation>Den sendte rapport &quot;%1&quot; er ikke en gyldig RST på SSB</translation>
    </message>
    <message>
        <source>The received report &quot;%1&quot; is not a valid RST on SSB</source>
        <translation>Den modtagne rapport &quot;%1&quot; er ikke en gyldig RST på SSB</translation>
    </message>
    <message>
        <source>The sent report &quot;%1&quot; is no report</source>
        <translation>Den sendte rapport &quot;%1&quot; er ikke en rapport</translation>
    </message>
    <message>
        <source>The received report &quot;%1&quot; is no report</source>
        <translation>Den modtagne rapport &quot;%1&quot; er ikke en rapport</translation>
    </message>
    <message>
        <source>QSO %1 (%2 %3 %4): %5</source>
        <translation>QSO %1 (%2 %3 %4): %5</translation>
    </message>
    <message>
        <source>No QSO lies in a %1 or %2 weekend (Saturday %3 to Sunday %4 UTC).</source>
        <translation>Intet QSO ligger i en %1- eller %2-weekend (lørdag %3 til søndag %4 UTC).</translation>
    </message>
    <message>
        <source>%1, the contest on the station page.</source>
        <translation>%1, testen på stationssiden.</translation>
    </message>
    <message>
        <source>%1, the contest weekend with the most QSOs in the file.</source>
        <translation>%1, den testweekend med flest QSO&apos;er i filen.</translation>
    </message>
    <message>
        <source>%1, the contest weekend with the most QSOs in the file. It has none in %2, the contest on the station page.</source>
        <translation>%1, den testweekend med flest QSO&apos;er i filen. Filen har ingen i %2, testen på stationssiden.</translation>
    </message>
    <message>
        <source>The file has more QSOs (%1) in %2: choose %3 on the station page to take those.</source>
        <translation>Filen har flere QSO&apos;er (%1) i %2: vælg %3 på stationssiden for at få dem med.</translation>
    </message>
    <message>
        <source>The file holds no QSO.</source>
        <translation>Filen indeholder intet QSO.</translation>
    </message>
    <message>
        <source>%1 of %2 QSO taken; not taken:</source>
        <translation>%1 af %2 QSO blev taget med; udeladt:</translation>
    </message>
    <message>
        <source>%1 of %2 QSOs taken; not taken:</source>
        <translation>%1 af %2 QSO&apos;er blev taget med; udeladt:</translation>
    </message>
    <message>
        <source>%1 of %2 QSO taken, %3 outside that contest; not taken:</source>
        <translation>%1 af %2 QSO blev taget med, %3 uden for den test; udeladt:</translation>
    </message>
    <message>
        <source>%1 of %2 QSOs taken, %3 outside that contest; not taken:</source>
        <translation>%1 af %2 QSO&apos;er blev taget med, %3 uden for den test; udeladt:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>og %1 mere</translation>
    </message>
</context>
<context>
    <name>QsoGrid</name>
    <message>
        <source>Row</source>
        <comment>the QSO&apos;s number in the log</comment>
        <translation>Række</translation>
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
        <translation>%1 er ikke en Cabrillo 3.0-log</translation>
    </message>
    <message>
        <source>no header tag</source>
        <translation>intet header-tag</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>og %1 mere</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linje %1: %2</translation>
    </message>
    <message>
        <source>These lines were not read as QSOs:</source>
        <translation>Disse linjer blev ikke læst som QSO&apos;er:</translation>
    </message>
    <message>
        <source>%1 X-QSO line is kept as an X-QSO line: not scored, no dupe, in no total.</source>
        <translation>%1 X-QSO-linje bevares som X-QSO-linje: ingen point, ingen dublet, i ingen sum.</translation>
    </message>
    <message>
        <source>%1 X-QSO lines are kept as X-QSO lines: not scored, no dupes, in no total.</source>
        <translation>%1 X-QSO-linjer bevares som X-QSO-linjer: ingen point, ingen dubletter, i ingen sum.</translation>
    </message>
    <message>
        <source>These lines were not read:</source>
        <translation>Disse linjer blev ikke læst:</translation>
    </message>
    <message>
        <source>Saving over the file leaves these lines out.</source>
        <translation>Gemmer du oven i filen, udelades disse linjer.</translation>
    </message>
    <message>
        <source>The file is UTF-8; these characters have no Latin-1 form and became &quot;?&quot;:</source>
        <translation>Filen er UTF-8; disse tegn har ingen Latin-1-form og blev til &quot;?&quot;:</translation>
    </message>
    <message>
        <source>no frequency</source>
        <translation>ingen frekvens</translation>
    </message>
    <message>
        <source>no mode</source>
        <translation>ingen driftsart</translation>
    </message>
    <message>
        <source>no date</source>
        <translation>ingen dato</translation>
    </message>
    <message>
        <source>no time</source>
        <translation>intet klokkeslæt</translation>
    </message>
    <message>
        <source>no sent call</source>
        <translation>intet sendt kaldesignal</translation>
    </message>
    <message>
        <source>no sent report</source>
        <translation>ingen sendt rapport</translation>
    </message>
    <message>
        <source>no sent number</source>
        <translation>intet sendt nummer</translation>
    </message>
    <message>
        <source>no call</source>
        <translation>intet kaldesignal</translation>
    </message>
    <message>
        <source>no received report</source>
        <translation>ingen modtaget rapport</translation>
    </message>
    <message>
        <source>no received number</source>
        <translation>intet modtaget nummer</translation>
    </message>
    <message>
        <source>date &quot;%1&quot; is no date</source>
        <translation>datoen &quot;%1&quot; er ikke en dato</translation>
    </message>
    <message>
        <source>sent call &quot;%1&quot; is a number, not a call</source>
        <translation>sendt kaldesignal &quot;%1&quot; er et tal, ikke et kaldesignal</translation>
    </message>
    <message>
        <source>call &quot;%1&quot; is a number, not a call</source>
        <translation>kaldesignalet &quot;%1&quot; er et tal, ikke et kaldesignal</translation>
    </message>
    <message>
        <source>no QSO line</source>
        <translation>ingen QSO-linje</translation>
    </message>
    <message>
        <source>&quot;%1&quot; after the received number</source>
        <translation>&quot;%1&quot; efter det modtagne nummer</translation>
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
        <translation>%1 QSO&apos;er</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Pointsum: %1</translation>
    </message>
    <message>
        <source>Operating time: %1</source>
        <translation>Driftstid: %1</translation>
    </message>
    <message>
        <source>On the air: %1 (breaks of %2 min or more left out)</source>
        <translation>I luften: %1 (pauser på %2 min eller mere fratrukket)</translation>
    </message>
    <message>
        <source>Best 60 min: %1</source>
        <translation>Bedste 60 min: %1</translation>
    </message>
    <message>
        <source>Without a time: %1</source>
        <translation>Uden tid: %1</translation>
    </message>
    <message>
        <source>Not in the contest, not counted: %1</source>
        <translation>Ikke med i testen, ikke talt med: %1</translation>
    </message>
    <message>
        <source>On no contest band, not counted: %1</source>
        <translation>På intet testbånd, ikke talt med: %1</translation>
    </message>
    <message>
        <source>%1/h</source>
        <translation>%1/t</translation>
    </message>
    <message>
        <source>Last 60 min: %1  Last 10: %2</source>
        <translation>Sidste 60 min: %1  Sidste 10: %2</translation>
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
        <translation>ingen radio</translation>
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
        <translation>0 p: skandinav med skandinav</translation>
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
        <translation>0 p: modtaget 000</translation>
    </message>
    <message>
        <source>%1 pt: no country found</source>
        <translation>%1 p: ukendt land</translation>
    </message>
    <message>
        <source>%1 pts: no country found</source>
        <translation>%1 p: ukendt land</translation>
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
        <translation>Bånd  QSO  Pnt  Mul</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Pointsum:</translation>
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
        <translation>Klasse-Assistance</translation>
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
        <translation>Klasse-Station</translation>
    </message>
    <message>
        <source>Category-Overlay</source>
        <translation>Klasse-Tillæg</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprog</translation>
    </message>
    <message>
        <source>Kerolt follows the desktop&apos;s language from its next start.</source>
        <translation>Kerolt følger skrivebordets sprog fra næste start.</translation>
    </message>
    <message>
        <source>Kerolt speaks %1 from its next start.</source>
        <extracomment>%1 is the language&apos;s name in that language: Svenska, Suomi, ...</extracomment>
        <translation>Kerolt taler %1 fra næste start.</translation>
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
        <translation>&amp;Importér ADIF...</translation>
    </message>
    <message>
        <source>&amp;Export ADIF...</source>
        <translation>&amp;Eksportér ADIF...</translation>
    </message>
</context>
<context>
    <name>kerolt::PartialCalls</name>
    <message>
        <source>* worked in this log, = the call typed, ~ one character away</source>
        <translation>* kørt i denne log, = det indtastede signal, ~ ét tegn til forskel</translation>
    </message>
    <message>
        <source>Check &amp;partial</source>
        <translation>Delvis &amp;kontrol</translation>
    </message>
    <message numerus="yes">
        <source>+%n more</source>
        <comment>calls not shown</comment>
        <translation>
            <numerusform>+%n mere</numerusform>
            <numerusform>+%n mere</numerusform>
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
        <translation>QSO&apos;er</translation>
    </message>
    <message>
        <source>Dupes</source>
        <translation>Dubl.</translation>
    </message>
    <message>
        <source>0 pts</source>
        <comment>QSOs worth no points</comment>
        <translation>0 p</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Mults</source>
        <comment>multipliers</comment>
        <translation>Mult</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>all bands</comment>
        <translation>I alt</translation>
    </message>
    <message>
        <source>Copy summary</source>
        <translation>Kopiér resumé</translation>
    </message>
    <message>
        <source>The summary for score-reporting sites, as plain text</source>
        <translation>Resuméet til resultatsider, som ren tekst</translation>
    </message>
    <message>
        <source>QSOs per hour (UTC)</source>
        <translation>QSO&apos;er pr. time (UTC)</translation>
    </message>
</context>
<context>
    <name>kerolt::RigControl</name>
    <message>
        <source>R&amp;ig...</source>
        <translation>Ra&amp;dio...</translation>
    </message>
</context>
<context>
    <name>kerolt::RigDialog</name>
    <message>
        <source>Rig</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no rig</comment>
        <translation>Fra</translation>
    </message>
    <message>
        <source>/dev/ttyUSB0 or localhost:4532</source>
        <translation>/dev/ttyUSB0 eller localhost:4532</translation>
    </message>
    <message>
        <source>The rig&apos;s own</source>
        <comment>serial speed</comment>
        <translation>Radioens egen</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <comment>rig model</comment>
        <translation>&amp;Model</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <comment>serial port or network address</comment>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <comment>serial speed in baud</comment>
        <translation>&amp;Hastighed</translation>
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
        <translation>Manuel indtastning af Cabrillo-log til SAC</translation>
    </message>
    <message>
        <source>Version - %1  2011-09-16</source>
        <translation>Version - %1  2011-09-16</translation>
    </message>
    <message>
        <source>Kerolt developers</source>
        <translation>Kerolts udviklere</translation>
    </message>
    <message>
        <source>To make SAC easy</source>
        <translation>For at gøre SAC nemt</translation>
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
        <translation>Gem multliste</translation>
    </message>
    <message>
        <source>Realtime: On</source>
        <translation>Realtid: Til</translation>
    </message>
    <message>
        <source>Realtime: Off</source>
        <translation>Realtid: Fra</translation>
    </message>
    <message>
        <source>AutoSave: On</source>
        <translation>Autogem: Til</translation>
    </message>
    <message>
        <source>AutoSave: Off</source>
        <translation>Autogem: Fra</translation>
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
        <translation>%1 bemærkning</translation>
    </message>
    <message>
        <source>%1 notes</source>
        <translation>%1 bemærkninger</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The check&apos;s summary: the problems counted, then the notes</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2 (point at a marked line for why)</source>
        <translation>%1, %2 (peg på en markeret linje for at se hvorfor)</translation>
    </message>
    <message>
        <source>Kerolt Ver %1 - Manual Cabrillo input for SAC</source>
        <translation>Kerolt ver %1 - Manuel Cabrillo-indtastning til SAC</translation>
    </message>
    <message>
        <source>Last.log holds %1 QSO in no saved file, written %2 UTC. Open it?</source>
        <translation>Last.log indeholder %1 QSO, som ikke er i nogen gemt fil, skrevet %2 UTC. Åbn den?</translation>
    </message>
    <message>
        <source>Last.log holds %1 QSOs in no saved file, written %2 UTC. Open it?</source>
        <translation>Last.log indeholder %1 QSO&apos;er, som ikke er i nogen gemt fil, skrevet %2 UTC. Åbn den?</translation>
    </message>
    <message>
        <source>Exit </source>
        <comment>message box title</comment>
        <translation>Afslut </translation>
    </message>
    <message>
        <source>Open</source>
        <comment>message box title</comment>
        <translation>Åbn</translation>
    </message>
    <message>
        <source>New</source>
        <comment>message box title</comment>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Do you want to save the log before exit?</source>
        <translation>Vil du gemme loggen, før du afslutter?</translation>
    </message>
    <message>
        <source>Do you want to save the log before opening another?</source>
        <translation>Vil du gemme loggen, før du åbner en anden?</translation>
    </message>
    <message>
        <source>Do you want to save the log before starting a new one?</source>
        <translation>Vil du gemme loggen, før du starter en ny?</translation>
    </message>
    <message>
        <source>Quit without Saving?</source>
        <translation>Afslut uden at gemme?</translation>
    </message>
    <message>
        <source>Data input</source>
        <translation>Stationsdata</translation>
    </message>
    <message>
        <source>Log input</source>
        <translation>Logning</translation>
    </message>
    <message>
        <source>Cabrillo log</source>
        <translation>Cabrillo-log</translation>
    </message>
    <message>
        <source>Mult List</source>
        <translation>Multliste</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Filer</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Åbn...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Gem...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>Set&amp;Up</source>
        <translation>&amp;Indstillinger</translation>
    </message>
    <message>
        <source>&amp;Realtime</source>
        <translation>&amp;Realtid</translation>
    </message>
    <message>
        <source>&amp;AutoSave</source>
        <translation>&amp;Autogem</translation>
    </message>
    <message>
        <source>Chec&amp;k</source>
        <translation>&amp;Kontrol</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>&amp;HowTo</source>
        <translation>&amp;Vejledning</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Om...</translation>
    </message>
    <message>
        <source>Delete last row</source>
        <translation>Slet sidste række</translation>
    </message>
    <message>
        <source>Callsign used during the contest</source>
        <translation>Kaldesignal brugt i testen</translation>
    </message>
    <message>
        <source>Callsign of the Operators</source>
        <translation>Operatørernes kaldesignaler</translation>
    </message>
    <message>
        <source>Club (Not needed)</source>
        <translation>Klub (ikke nødvendig)</translation>
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
        <translation>A&amp;dresse</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>e-mail</translation>
    </message>
    <message>
        <source>The program will fill in this for you</source>
        <translation>Programmet udfylder dette for dig</translation>
    </message>
    <message>
        <source>&amp;Soapbox</source>
        <translation>Ko&amp;mmentarer</translation>
    </message>
    <message>
        <source>&amp;Clamed Score</source>
        <translation>&amp;Opgivet pointsum</translation>
    </message>
    <message>
        <source>&amp;Club</source>
        <translation>K&amp;lub</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiér</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Indsæt</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Markér &amp;alt</translation>
    </message>
    <message>
        <source>MyCall</source>
        <comment>the own callsign&apos;s place until one is typed</comment>
        <translation>MitSignal</translation>
    </message>
    <message>
        <source>Sent</source>
        <comment>the button that shows the sent report and number</comment>
        <translation>Sendt</translation>
    </message>
    <message>
        <source>Received</source>
        <comment>the button that shows the received report and number</comment>
        <translation>Modtaget</translation>
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
        <translation>Hjælp</translation>
    </message>
</context>
</TS>
