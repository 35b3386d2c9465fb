<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="en">
<context>
    <name>Check</name>
    <message>
        <source>problem: %1</source>
        <translation>ongelma: %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>huomautus: %1</translation>
    </message>
    <message>
        <source>QSO line not read: %1</source>
        <translation>QSO-riviä ei luettu: %1</translation>
    </message>
    <message>
        <source>mode %1 does not fit %2</source>
        <translation>lähetelaji %1 ei sovi kilpailuun %2</translation>
    </message>
    <message>
        <source>mode &quot;%1&quot; is neither CW nor PH</source>
        <translation>lähetelaji ”%1” ei ole CW eikä PH</translation>
    </message>
    <message>
        <source>received number &quot;%1&quot; is not a number</source>
        <translation>vastaanotettu numero ”%1” ei ole numero</translation>
    </message>
    <message>
        <source>received number 0: the QSO gives no points and no multiplier</source>
        <translation>vastaanotettu numero 0: yhteys ei anna pisteitä eikä kerrointa</translation>
    </message>
    <message>
        <source>sent call %1 differs from CALLSIGN %2</source>
        <translation>lähetetty tunnus %1 poikkeaa CALLSIGN-arvosta %2</translation>
    </message>
    <message>
        <source>no worked call</source>
        <translation>ei työskenneltyä tunnusta</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a call</source>
        <translation>”%1” ei voi olla tunnus</translation>
    </message>
    <message>
        <source>QSO with the entrant&apos;s own call %1</source>
        <translation>yhteys osallistujan omaan tunnukseen %1</translation>
    </message>
    <message>
        <source>frequency &quot;%1&quot; is on no contest band (%2)</source>
        <translation>taajuus ”%1” ei ole millään kilpailubandilla (%2)</translation>
    </message>
    <message>
        <source>frequency &quot;%1&quot; is on no contest band</source>
        <translation>taajuus ”%1” ei ole millään kilpailubandilla</translation>
    </message>
    <message>
        <source>frequency %1 is outside the %2 band plan on %3</source>
        <translation>taajuus %1 on %2-kilpailun bandijaon ulkopuolella bandilla %3</translation>
    </message>
    <message>
        <source>QSO on %1 in a CATEGORY-BAND %2 entry</source>
        <translation>yhteys bandilla %1, vaikka CATEGORY-BAND on %2</translation>
    </message>
    <message>
        <source>date &quot;%1&quot; is no date</source>
        <translation>”%1” ei ole kelvollinen päivämäärä</translation>
    </message>
    <message>
        <source>QSO at %1 %2 is outside %3 (from %4 1200 to the next day 1159 UTC)</source>
        <translation>yhteys %1 %2 on %3-kilpailun ulkopuolella (%4 klo 1200 – seuraavana päivänä klo 1159 UTC)</translation>
    </message>
    <message>
        <source>%1 gave %2 on line %3, now %4: a copying slip?</source>
        <translation>%1 antoi rivillä %3 numeron %2, nyt %4: kirjausvirhe?</translation>
    </message>
    <message>
        <source>CLAIMED-SCORE &quot;%1&quot; differs from the log&apos;s score %2</source>
        <translation>CLAIMED-SCORE ”%1” poikkeaa lokin pistemäärästä %2</translation>
    </message>
    <message>
        <source>time %1 is earlier than the QSO before it (%2)</source>
        <translation>aika %1 on aiempi kuin edellisen yhteyden (%2)</translation>
    </message>
    <message>
        <source>sent number &quot;%1&quot; is not a number</source>
        <translation>lähetetty numero ”%1” ei ole numero</translation>
    </message>
    <message>
        <source>sent number %1 repeats</source>
        <translation>lähetetty numero %1 toistuu</translation>
    </message>
    <message>
        <source>sent number %1 comes after %2</source>
        <translation>lähetetty numero %1 tulee numeron %2 jälkeen</translation>
    </message>
    <message>
        <source>sent number %1 is missing</source>
        <translation>lähetetty numero %1 puuttuu</translation>
    </message>
    <message>
        <source>sent numbers %1 to %2 are missing</source>
        <translation>lähetetyt numerot %1–%2 puuttuvat</translation>
    </message>
    <message>
        <source>no country found for %1</source>
        <translation>tunnukselle %1 ei löytynyt maata</translation>
    </message>
    <message>
        <source>%1 is not in the contest (Scandinavian with Scandinavian): no points</source>
        <translation>%1 ei kuulu kilpailuun (skandinaavinen skandinaavisen kanssa): ei pisteitä</translation>
    </message>
    <message>
        <source>%1 is not in the contest (non-Scandinavian with non-Scandinavian): no points</source>
        <translation>%1 ei kuulu kilpailuun (ei-skandinaavinen ei-skandinaavisen kanssa): ei pisteitä</translation>
    </message>
    <message>
        <source>%1 is a dupe of line %2: it stays in the log at 0 points</source>
        <translation>%1 on rivin %2 tuplayhteys: se jää lokiin 0 pisteellä</translation>
    </message>
    <message>
        <source>%1 is not a known contest call; did you mean %2?</source>
        <translation>%1 ei ole tunnettu kilpailutunnus; tarkoititko %2?</translation>
    </message>
    <message>
        <source>%1 has no Latin-1 form: read as &quot;?&quot;</source>
        <translation>merkillä %1 ei ole Latin-1-muotoa: luettu merkiksi ”?”</translation>
    </message>
    <message>
        <source>Pass Ok</source>
        <translation>Kunnossa</translation>
    </message>
    <message>
        <source>Pass Ok, %1 note</source>
        <translation>Kunnossa, %1 huomautus</translation>
    </message>
    <message>
        <source>Pass Ok, %1 notes</source>
        <translation>Kunnossa, %1 huomautusta</translation>
    </message>
    <message>
        <source>%1 problem, %2 note</source>
        <translation>%1 ongelma, %2 huomautus</translation>
    </message>
    <message>
        <source>%1 problem, %2 notes</source>
        <translation>%1 ongelma, %2 huomautusta</translation>
    </message>
    <message>
        <source>%1 problems, %2 note</source>
        <translation>%1 ongelmaa, %2 huomautus</translation>
    </message>
    <message>
        <source>%1 problems, %2 notes</source>
        <translation>%1 ongelmaa, %2 huomautusta</translation>
    </message>
    <message>
        <source>line %1: problem: %2</source>
        <translation>rivi %1: ongelma: %2</translation>
    </message>
    <message>
        <source>line %1: note: %2</source>
        <translation>rivi %1: huomautus: %2</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... ja %1 muuta</translation>
    </message>
    <message>
        <source>more than four ADDRESS lines</source>
        <translation>yli neljä ADDRESS-riviä</translation>
    </message>
    <message>
        <source>%1 has no value: the list still shows &quot;%2&quot;</source>
        <translation>%1: arvo puuttuu, lista näyttää yhä ”%2”</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1: arvo puuttuu</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not one of %3</source>
        <translation>%1 ”%2” ei ole mikään arvoista %3</translation>
    </message>
    <message>
        <source>no CALLSIGN line</source>
        <translation>CALLSIGN-rivi puuttuu</translation>
    </message>
    <message>
        <source>CALLSIGN is empty</source>
        <translation>CALLSIGN on tyhjä</translation>
    </message>
    <message>
        <source>no CONTEST line</source>
        <translation>CONTEST-rivi puuttuu</translation>
    </message>
    <message>
        <source>no %1 line: it has no value</source>
        <translation>%1-rivi puuttuu: sillä ei ole arvoa</translation>
    </message>
    <message>
        <source>no END-OF-LOG line</source>
        <translation>END-OF-LOG-rivi puuttuu</translation>
    </message>
    <message>
        <source>CATEGORY-MODE %1 does not match CONTEST %2</source>
        <translation>CATEGORY-MODE %1 ei sovi CONTEST-arvoon %2</translation>
    </message>
    <message>
        <source>CATEGORY-TRANSMITTER %1 is not open to %2</source>
        <translation>CATEGORY-TRANSMITTER %1 ei ole sallittu sarjassa %2</translation>
    </message>
    <message>
        <source>%1 %2 is open to non-Scandinavian stations only; %3 is %4</source>
        <translation>%1 %2 on avoin vain ei-skandinaavisille asemille; %3 on %4</translation>
    </message>
    <message>
        <source>%1 %2 is open to Scandinavian stations only; %3 is %4</source>
        <translation>%1 %2 on avoin vain skandinaavisille asemille; %3 on %4</translation>
    </message>
    <message>
        <source>Empty log</source>
        <translation>Tyhjä loki</translation>
    </message>
    <message>
        <source>Pass, Nice job</source>
        <translation>Kunnossa, hienoa työtä</translation>
    </message>
    <message>
        <source>Pass No QSO</source>
        <translation>Kunnossa, ei yhteyksiä</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Not taken: %1</source>
        <translation>Hylätty: %1</translation>
    </message>
    <message>
        <source>frequency &quot;%1&quot; is on no contest band</source>
        <translation>taajuus ”%1” ei ole millään kilpailubandilla</translation>
    </message>
    <message>
        <source>sent number &quot;%1&quot; is not a number</source>
        <translation>lähetetty numero ”%1” ei ole numero</translation>
    </message>
    <message>
        <source>received number &quot;%1&quot; is not a number</source>
        <translation>vastaanotettu numero ”%1” ei ole numero</translation>
    </message>
    <message>
        <source>call &quot;%1&quot; is longer than %2 characters</source>
        <translation>tunnus ”%1” on pidempi kuin %2 merkkiä</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a call: a call has letters and digits</source>
        <translation>”%1” ei voi olla tunnus: tunnuksessa on kirjaimia ja numeroita</translation>
    </message>
    <message>
        <source>the program fills this column</source>
        <translation>ohjelma täyttää tämän sarakkeen</translation>
    </message>
    <message>
        <source>no QSO in this row</source>
        <translation>rivillä ei ole yhteyttä</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>&apos;%1&apos; taken as nothing: %2</source>
        <translation>”%1” hylättiin: %2</translation>
    </message>
    <message>
        <source>time %1</source>
        <translation>aika %1</translation>
    </message>
    <message>
        <source>expected a minute 00-59</source>
        <translation>odotettiin minuuttia 00-59</translation>
    </message>
    <message>
        <source>Realtime is on, the clock keeps the time</source>
        <translation>Reaaliaika on päällä, kello pitää ajan</translation>
    </message>
    <message>
        <source>a minute needs the hour of a time HHMM in the time field</source>
        <translation>pelkkä minuutti vaatii aikakenttään ajan HHMM, josta tunti otetaan</translation>
    </message>
    <message>
        <source>frequency %1 kHz from this QSO on</source>
        <translation>taajuus %1 kHz tästä yhteydestä alkaen</translation>
    </message>
    <message>
        <source>frequency %1 kHz from this QSO on, logged as %2</source>
        <translation>taajuus %1 kHz tästä yhteydestä alkaen, kirjataan %2</translation>
    </message>
    <message>
        <source>expected a time HHMM (hours 00-23, minutes 00-59) or kHz on a contest band (%1)</source>
        <translation>odotettiin aikaa HHMM (tunnit 00-23, minuutit 00-59) tai kHz-taajuutta kilpailubandilla (%1)</translation>
    </message>
    <message>
        <source>expected kHz on a contest band (%1)</source>
        <translation>odotettiin kHz-taajuutta kilpailubandilla (%1)</translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; after the number is not a valid RST on CW (such as 599)</source>
        <translation>numeron perässä oleva raportti ”%1” ei ole kelvollinen CW-RST (kuten 599)</translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; after the number is not a valid RST on SSB (such as 59)</source>
        <translation>numeron perässä oleva raportti ”%1” ei ole kelvollinen SSB-RST (kuten 59)</translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; after the number is not a valid RST</source>
        <translation>numeron perässä oleva raportti ”%1” ei ole kelvollinen RST</translation>
    </message>
    <message>
        <source>sent report &quot;%1&quot; is no report</source>
        <translation>lähetetty raportti ”%1” ei ole raportti</translation>
    </message>
    <message>
        <source>received report &quot;%1&quot; is no report</source>
        <translation>vastaanotettu raportti ”%1” ei ole raportti</translation>
    </message>
    <message>
        <source>The call would be %1 characters long; a call has at most %2. Nothing was pasted.</source>
        <translation>Tunnuksesta tulisi %1 merkkiä pitkä; tunnuksessa on enintään %2. Mitään ei liitetty.</translation>
    </message>
    <message>
        <source>The time &apos;%1&apos; is not four digits (HHMM)</source>
        <translation>Aika ”%1” ei ole neljä numeroa (HHMM)</translation>
    </message>
    <message>
        <source>The report &apos;%1&apos; is not two or three digits</source>
        <translation>Raportti ”%1” ei ole kaksi tai kolme numeroa</translation>
    </message>
    <message>
        <source>The call &apos;%1&apos; is longer than %2 characters</source>
        <translation>Tunnus ”%1” on pidempi kuin %2 merkkiä</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be a call: a call has letters and digits</source>
        <translation>”%1” ei voi olla tunnus: tunnuksessa on kirjaimia ja numeroita</translation>
    </message>
    <message>
        <source>time &quot;%1&quot; is not a valid HHMM time</source>
        <translation>aika ”%1” ei ole kelvollinen HHMM-aika</translation>
    </message>
    <message>
        <source>sent report &quot;%1&quot; is not a valid RST on CW</source>
        <translation>lähetetty raportti ”%1” ei ole kelvollinen CW-RST</translation>
    </message>
    <message>
        <source>received report &quot;%1&quot; is not a valid RST on CW</source>
        <translation>vastaanotettu raportti ”%1” ei ole kelvollinen CW-RST</translation>
    </message>
    <message>
        <source>sent report &quot;%1&quot; is not a valid RST on SSB</source>
        <translation>lähetetty raportti ”%1” ei ole kelvollinen SSB-RST</translation>
    </message>
    <message>
        <source>received report &quot;%1&quot; is not a valid RST on SSB</source>
        <translation>vastaanotettu raportti ”%1” ei ole kelvollinen SSB-RST</translation>
    </message>
    <message>
        <source>The sent number is empty: type the number this QSO was given in the sent Nr field, then Enter again</source>
        <translation>Lähetetty numero on tyhjä: kirjoita tälle yhteydelle annettu numero lähetetyn Nr:n kenttään ja paina sitten Enter uudelleen</translation>
    </message>
    <message>
        <source>The sent number %1 would have more than %2 digits, which the QSO line cannot hold</source>
        <translation>Lähetetyssä numerossa %1 olisi yli %2 numeroa, eikä QSO-riville mahdu niin monta</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>no call</source>
        <translation>ei tunnusta</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a call</source>
        <translation>”%1” ei voi olla tunnus</translation>
    </message>
    <message>
        <source>date &quot;%1&quot; is no date</source>
        <translation>”%1” ei ole kelvollinen päivämäärä</translation>
    </message>
    <message>
        <source>time &quot;%1&quot; is no time</source>
        <translation>”%1” ei ole kelvollinen aika</translation>
    </message>
    <message>
        <source>QSO %1 (%2 %3 %4): %5</source>
        <translation>QSO %1 (%2 %3 %4): %5</translation>
    </message>
    <message>
        <source>These QSOs were left out of the ADIF file:</source>
        <translation>Nämä yhteydet jätettiin pois ADIF-tiedostosta:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ja %1 muuta</translation>
    </message>
    <message>
        <source>The log has no callsign: type it on the &quot;Data input&quot; page, then export.</source>
        <translation>Lokissa ei ole tunnusta: kirjoita se sivulle ”Asematiedot” ja vie sitten.</translation>
    </message>
    <message>
        <source>The log has no QSOs: there is nothing to export.</source>
        <translation>Lokissa ei ole yhteyksiä: vietävää ei ole.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Unknown error</source>
        <translation>Tuntematon virhe</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>”%1” ei ole kelvollinen kokonaisluku</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Tiedostoa %1 ei voi avata</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Tiedostoa %1 ei voi luoda</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, the most Kerolt reads</source>
        <translation>%1 on yli %2 Mt, enemmän kuin Kerolt lukee</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes, the most Kerolt reads</source>
        <translation>%1 on yli %2 tavua, enemmän kuin Kerolt lukee</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>How to make your log</source>
        <translation>Näin teet lokisi</translation>
    </message>
    <message>
        <source>Start on the &quot;Data input&quot; page and fill in your station information. Tab takes you
to the next field and Shift+Tab back to the one before. Enter moves on as well,
though not in the e-mail field and the lists: from the callsign to the contest
list, and from the operators through the name and the address lines to the
claimed score, the club and the soapbox.</source>
        <translation>Aloita sivulta ”Asematiedot” ja täytä asemasi tiedot. Tab vie seuraavaan
kenttään ja Shift+Tab takaisin edelliseen. Myös Enter siirtää eteenpäin, paitsi
sähköpostikentässä ja listoissa: tunnuksesta kilpailulistaan, ja operaattoreista
nimen ja osoiterivien kautta ilmoitettuun pistemäärään, kerhoon ja
kommentteihin.</translation>
    </message>
    <message>
        <source>• Callsign: the call you used in the contest. When you leave the field Kerolt
  shows whether you count as Scandinavian, Non Scandinavian or
  Non Scandinavian-DX, and offers only the categories open to you.
• Operators: the calls of the operators.
• Name, Address (three lines) and e-mail: so that the contest manager can
  reach you.</source>
        <translation>• Tunnus: tunnus, jota käytit kilpailussa. Kun poistut kentästä, Kerolt
  näyttää luokkasi: Skandinaavinen, Ei-skandinaavinen tai
  Ei-skandinaavinen DX, ja tarjoaa vain ne sarjat, jotka ovat sinulle avoimia.
• Operaattorit: operaattorien tunnukset.
• Nimi, Osoite (kolme riviä) ja sähköposti: jotta kilpailun järjestäjä
  tavoittaa sinut.</translation>
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
        <translation>Keskellä olevissa listoissa on nämä vaihtoehdot:
• Contest: SAC-CW tai SAC-SSB.
• Category-Assisted: NON-ASSISTED tai ASSISTED.
• Category-Band: ALL, 80M, 40M, 20M, 15M tai 10M skandinaavisille asemille;
  muut valitsevat ALL tai LOW-BAND (80 ja 40 m).
• Category-Operator: SINGLE-OP, MULTI-OP tai CHECKLOG. SINGLE-OP jättää
  lähettimien vaihtoehdoksi vain ONE.
• Category-Transmitter: ONE tai UNLIMITED.
• Category-Power: HIGH, LOW tai QRP.
• Category-Overlay: ei mitään, ROOKIE, TB-WIRES, CLASSIC tai WIRE-ONLY; tämä
  lista näytetään vain skandinaavisille asemille.
Valitse napsauttamalla listan oikeassa reunassa olevaa nuolta ja sitten
vaihtoehtoa, tai selaa vaihtoehtoja nuolinäppäimillä ylös ja alas. Kunnes
valitset, lista näyttää oman nimensä, esimerkiksi Sarja-Teho, ja listan
englanninkielinen nimi, tässä Category-Power, menee Cabrillo-lokiin sellaisenaan.</translation>
    </message>
    <message>
        <source>• Clamed Score: you need not type it. Kerolt takes it from the score table of
  the &quot;Log input&quot; page and fills it in for you.
• Club and Soapbox are optional. In the soapbox you may tell about your
  equipment, give your e-mail address or write a short comment.</source>
        <translation>• Ilm. pistemäärä (ilmoitettu pistemäärä): sitä ei tarvitse kirjoittaa. Kerolt
  ottaa sen sivun ”Lokin syöttö” pistetaulukosta ja täyttää sen puolestasi.
• Kerho ja Kommentit ovat vapaaehtoisia. Kommentteihin voit kertoa
  laitteistasi, antaa sähköpostiosoitteesi tai kirjoittaa lyhyen kommentin.</translation>
    </message>
    <message>
        <source>The &quot;Log input&quot; page appears as soon as you have chosen the contest and typed a
callsign of at least three characters.</source>
        <translation>Sivu ”Lokin syöttö” tulee näkyviin heti, kun olet valinnut kilpailun ja
kirjoittanut vähintään kolmimerkkisen tunnuksen.</translation>
    </message>
    <message>
        <source>The menus open with Alt and their underlined letter: Alt+F for File, Alt+U for
SetUp, Alt+H for Help, and Alt+K runs Check. F10 opens the File menu; the arrow
keys go on from there. Ctrl+N starts a new log; Ctrl+O opens a log, Ctrl+S saves it,
F1 shows this help.</source>
        <translation>Valikot avautuvat Altilla ja alleviivatulla kirjaimella: Alt+T avaa
Tiedosto-valikon, Alt+A Asetukset- ja Alt+O Ohje-valikon, ja Alt+K käynnistää
Tarkista-komennon. F10 avaa Tiedosto-valikon; nuolinäppäimillä pääset siitä
eteenpäin. Ctrl+N aloittaa uuden lokin, Ctrl+O avaa lokin, Ctrl+S tallentaa sen
ja F1 näyttää tämän ohjeen.</translation>
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
        <translation>Sivulla ”Lokin syöttö”:
• Päivämäärä määräytyy valitsemastasi kilpailusta: Kerolt tietää tämän vuoden
  kilpailuviikonlopun ja näyttää päivämäärän, jolle aikakentän kellonajalla
  kirjattu yhteys osuu.
• Bandikentän vaihtoehdot ovat 3500, 7000, 14000, 21000 ja 28000 (80, 40, 20,
  15 ja 10 m). Se pysyy punaisena, kunnes valitset bandin. Alt+B vaihtaa bandia
  ylöspäin, Alt+V alaspäin.
• Aikakenttä alkaa lukemasta 1200. Kun Reaaliaika on pois päältä, nuolinäppäimet
  ylös ja alas tai numeronäppäimistön plus- ja miinusnäppäimet siirtävät aikaa
  minuutin eteen- tai taaksepäin (nuolinäppäimet eivät, kun ruudukko tai
  bandikenttä on aktiivinen). Voit myös kirjoittaa ajan neljällä numerolla,
  HHMM.
• Reaaliaikatila (Asetukset, Reaaliaika) pitää aikakentän tietokoneen kellon
  ajassa sekunnin välein. Tietokoneen kellon on silloin oltava UTC-ajassa.
• Automaattitallennus (Asetukset, Automaattitallennus) on päällä ensimmäisellä
  käynnistyskerralla: jokaisen lokin muutoksen jälkeen (yhteys, korjaus,
  poistettu rivi, asematietojen kenttä) Kerolt kirjoittaa koko Cabrillo-lokin
  tiedostoon Last.log siinä kansiossa, josta se käynnistettiin. Valitse
  Asetukset, Automaattitallennus kytkeäksesi sen pois. Reaaliaika ja
  Automaattitallennus pysyvät seuraavalla käynnistyskerralla sellaisina kuin
  jätit ne. Jos Kerolt tai tietokone pysähtyy, käynnistä Kerolt uudelleen
  samassa kansiossa: kun Last.log sisältää yhteyksiä, joita ei ole missään
  tallennetussa tiedostossa, Kerolt tarjoutuu avaamaan sen.
• Lähetetty järjestysnumero alkaa 1:stä ja kasvaa itsestään jokaisen yhteyden
  jälkeen (enintään viisi numeroa). Voit muuttaa sitä sekä lähetettyä ja
  vastaanotettua raporttia kirjoittamalla niiden kenttiin; Enter lähetetyn
  raportin tai lähetetyn numeron kentässä vie vastaanotetun numeron kenttään.</translation>
    </message>
    <message>
        <source>How to type a QSO</source>
        <translation>Näin kirjaat yhteyden</translation>
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
        <translation>• Valitse bandi.
• Kun kirjaat kilpailun jälkeen, valitse yhteyden aika.
• Kirjoita työskennelty tunnus; tunnuskenttä on valmiiksi aktiivinen.
• Paina Space-näppäintä tuplatarkistusta varten. Bandilla jo kirjattu tunnus
  muuttaa tunnuskentän punaiseksi jo kirjoittaessasi, ja Space jättää sinut
  silloin tunnuskenttään: Esc pyyhkii tunnuksen, tai Enter vie numerokenttään,
  jotta voit kirjata yhteyden silti. Muuten Space vie numerokenttään.
• Kirjoita vastaanotettu numero.
• Kirjaa yhteys painamalla Enter-näppäintä.</translation>
    </message>
    <message>
        <source>In realtime mode it is even shorter: call, Space, number, Enter.</source>
        <translation>Reaaliaikatilassa se on vielä lyhyempää: tunnus, Space, numero, Enter.</translation>
    </message>
    <message>
        <source>Typing a paper log</source>
        <translation>Paperilokin syöttäminen</translation>
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
        <translation>Kirjoita aika ja taajuus tunnuksen paikalle, kumpikin Space-näppäimellä
päätettynä; tunnuskenttä tyhjenee tunnusta varten, ja aikakenttä ja bandikenttä
näyttävät heti, mitä otettiin vastaan:
• 1 tai 2 numeroa: minuutti. Tunti pysyy, tai siirtyy seuraavaan tuntiin, kun
  minuutti on ennen aikakentän minuuttia (1358 ja sitten 03 antaa 1403;
  1358 ja sitten 58 pysyy 1358:na saman minuutin toiselle yhteydelle; 2358:n
  jälkeen 03 antaa 0003).
• 3 tai 4 numeroa: aika, HMM tai HHMM (930 tai 0930; 028 tarkoittaa 0028).
• Taajuus kHz:nä kilpailubandilla (3500-4000, 7000-7300, 14000-14350,
  21000-21450, 28000-29700), kokonaisena tai desimaalein, kuten 14025.5:
  bandikenttä seuraa, ja tämä ja seuraavat yhteydet saavat sen taajuuden, kunnes
  kirjoitat toisen tai valitset bandin Alt+B:llä tai Alt+V:llä, mikä palauttaa
  bandin oman arvon. Loki ottaa kokonaiset kHz:t: 14025.5 kirjataan 14026:ksi,
  14025.4 14025:ksi. Kirjoitettu taajuus menee radion taajuuden edelle, kunnes
  radio siirtyy.
• Muu raportti kuin 599 kirjoitetaan vastaanotetun numeron perään, väliin
  Space: 15 579 kirjaa numeron 15 ja raportin 579 vain tälle yhteydelle.
Muu pelkistä numeroista koostuva syöte hylätään tilarivin ilmoituksella, eikä
mikään muutu. Kun Reaaliaika on päällä, kello pitää ajan ja kirjoitettu aika
hylätään; taajuus otetaan silti vastaan.
Esimerkki, paperilla ”1413 14025.5 DL1ABC 15 579”, sitten ”17 OH2XYZ 16”:
  1413 Space 14025.5 Space DL1ABC Space 15 Space 579 Enter
  17 Space OH2XYZ Space 16 Enter</translation>
    </message>
    <message>
        <source>The score table beside the log is updated after each QSO. The line below it
gives your rate: the QSOs in the last 60 minutes and the rate of the last ten
QSOs per hour, counted by the QSO times; it counts the QSOs the score table
counts.</source>
        <translation>Lokin vieressä oleva pistetaulukko päivittyy jokaisen yhteyden jälkeen. Sen
alla oleva rivi näyttää tahtisi: viimeisen 60 minuutin yhteydet ja kymmenen
viimeisen yhteyden tahdin tunnissa yhteyksien aikojen mukaan laskettuna; se
laskee samat yhteydet kuin pistetaulukko.</translation>
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
        <translation>Tiedosto, Tulokset... näyttää kilpailusi bandeittain (yhteydet, tuplayhteydet,
pisteettömät yhteydet, pisteet ja kertoimet), pistemäärän, operointiajan,
parhaat 60 minuuttia ja kaavion yhteyksistäsi kilpailun jokaisena tuntina.
Ikkuna seuraa lokia niin kauan kuin se on auki. Kopioi yhteenveto vie
leikepöydälle lyhyen tekstin tulospalvelusivustoja varten. Pistetaulukko,
tahtirivi, tulokset ja yhteenveto laskevat samat yhteydet: jokaisen kilpailun
yhteyden, tuplayhteydet ja pisteettömät yhteydet mukaan lukien. Kilpailuun
kuulumaton yhteys (skandinaavinen asema skandinaavisen kanssa tai kaksi
Skandinavian ulkopuolista asemaa) tai yhteys kilpailubandien ulkopuolella jää
lokiin, mutta sitä ei lasketa mihinkään; tulokset kertovat, montako niitä on.</translation>
    </message>
    <message>
        <source>Beside the number field Kerolt tells what the typed call is worth on the band
before you log it: DUPE, NEW MULT with the multiplier, the points, or 0 pts
and why; &quot;3 pts: no country found&quot; for a call the country file does not know.
From 2018 on, log 000 when a station gives no serial number; such a QSO gives
no points and no multiplier.</source>
        <translation>Numerokentän vieressä Kerolt kertoo, mitä kirjoitettu tunnus on bandilla
arvoinen, ennen kuin kirjaat sen: DUPE, NEW MULT ja kerroin, pisteet tai 0 p
ja syy; ”3 p: maata ei löytynyt” tunnukselle, jota maatiedosto ei tunne.
Vuodesta 2018 alkaen kirjaa 000, kun asema ei anna järjestysnumeroa; sellainen
yhteys ei anna pisteitä eikä kerrointa.</translation>
    </message>
    <message>
        <source>How Kerolt scores</source>
        <translation>Näin Kerolt laskee pisteet</translation>
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
        <translation>Yhteys lasketaan vain skandinaavisen aseman (SM, OH, OH0, LA, OZ, TF, OX, OJ0,
OY, JX tai JW) ja Skandinavian ulkopuolisen aseman välillä. Sen arvo riippuu
luokastasi, joka näkyy asematietosivulla:
• Skandinaavinen: 2 pistettä Euroopassa olevasta asemasta, 3 Euroopan
  ulkopuolisesta (ja tunnuksesta, jonka maata Kerolt ei löydä). Kerroin on
  aseman maa: kukin maa kerran kullakin bandilla (DL, K, JA...).
• Ei-skandinaavinen (Eurooppa): 1 piste kustakin skandinaavisesta asemasta.
• Ei-skandinaavinen DX: 3 pistettä 80 ja 40 m:llä, 1 piste 20, 15 ja 10 m:llä.
  Molemmille kerroin on skandinaavinen prefiksi piirinumeroineen, kerran
  kullakin bandilla: SM5ABC antaa SM5, OH2XYZ OH2; OH0 ja OJ0 lasketaan
  sellaisinaan, ja eteen kirjoitettu prefiksi (OZ/DL1ABC) antaa OZ0.
• Tuplayhteys (sama tunnus uudelleen samalla bandilla) jää lokiin ja lasketaan
  yhteydeksi 0 pisteellä. Tunnusta verrataan kokonaisena, niin monta merkkiä
  kuin tunnuskenttään mahtuu (13).
• Vuodesta 2018 alkaen yhteys, jonka vastaanotettu numero on 000, lasketaan
  yhteydeksi 0 pisteellä ja ilman kerrointa.
• Pistemäärä on kaikkien bandien pisteiden summa kerrottuna kaikkien bandien
  kertoimien summalla.
• Tunnus, jossa on maa ”/”-merkin jälkeen, pisteytetään sen mukaan, mistä
  yhteys pidettiin: W1AW/OH on Suomessa, OH2XX/W1 USA:ssa. /P, /M, /MM, /AM,
  /QRP, /A ja yksittäinen numero (SM5ABC/7 on SM7:ssä) pitävät kotimaan.
Kilpailuun kuulumaton yhteys tai yhteys viiden bandin ulkopuolisella taajuudella
jää lokiin Kerr- ja P-solut tyhjinä, eikä sitä lasketa mihinkään: ei
pistetaulukkoon, tahtiriviin, tuloksiin eikä yhteenvetoon.
Kilpailubandit ovat 80, 40, 20, 15 ja 10 m: 3500-4000, 7000-7300,
14000-14350, 21000-21450 ja 28000-29700 kHz. Sääntöjen bandijako rajaa kunkin
lähetelajin osaan niistä (CW 3510-3560, 7000-7040, 14000-14060, 21000-21070,
28000-28070; SSB 3600-3650 ja 3700-3800, 7060-7100 ja 7130-7200,
14125-14300, 21151-21450, 28320-29000); sen ulkopuolinen yhteys kirjataan ja
pisteytetään, ja Tarkista merkitsee sen.</translation>
    </message>
    <message>
        <source>Type the digit zero, not the letter O, in the time, number and call fields.</source>
        <translation>Kirjoita aika-, numero- ja tunnuskenttiin numero nolla, älä O-kirjainta.</translation>
    </message>
    <message>
        <source>When you search and pounce, type the call and press Space: a red call field
means you have worked the station on this band already; press Esc and tune on,
or press Enter, type the number and press Enter to log it anyway.</source>
        <translation>Kun haet asemia bandilta (search and pounce), kirjoita tunnus ja paina Space:
punainen tunnuskenttä tarkoittaa, että sinulla on jo yhteys asemaan tällä
bandilla; paina Esc ja jatka virittämistä, tai paina Enter, kirjoita numero ja
kirjaa yhteys silti painamalla Enter-näppäintä.</translation>
    </message>
    <message>
        <source>To correct the log, click a cell of the grid and type; move around with the
mouse, Tab and the arrow keys. To delete the last QSO, right-click the grid and
choose &quot;Delete last row&quot;. A correction follows the rules of the entry fields: a
value the field would not take is refused, the old one stays and the status bar
says why. Kerolt scores the whole log again with each correction. Cells that
came in bad from a file are pink until you correct them.</source>
        <translation>Korjaa lokia napsauttamalla ruudukon solua ja kirjoittamalla; liiku hiirellä,
Tab-näppäimellä ja nuolinäppäimillä. Poista viimeinen yhteys napsauttamalla
ruudukkoa hiiren oikealla painikkeella ja valitsemalla ”Poista viimeinen rivi”.
Korjaus noudattaa syöttökenttien sääntöjä: arvo, jota kenttä ei ottaisi vastaan,
hylätään, vanha arvo jää ja tilarivi kertoo syyn. Kerolt pisteyttää koko lokin
uudelleen jokaisen korjauksen jälkeen. Tiedostosta virheellisinä tulleet solut
ovat vaaleanpunaisia, kunnes korjaat ne.</translation>
    </message>
    <message>
        <source>File, New (Ctrl+N) starts an empty log in this year&apos;s contest; the station page
stays. Whenever the log has changed since it was last saved or opened, the
window&apos;s title shows a * and Kerolt asks before the log goes (Exit, Open,
Import, New).</source>
        <translation>Tiedosto, Uusi (Ctrl+N) aloittaa tyhjän lokin tämän vuoden kilpailuun;
asematiedot säilyvät. Aina kun lokia on muutettu viimeisen tallennuksen tai
avaamisen jälkeen, ikkunan otsikossa näkyy * ja Kerolt kysyy ennen kuin loki
suljetaan (Lopeta, Avaa, Tuo ADIF, Uusi).</translation>
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
        <translation>Sivu ”Cabrillo-loki” näyttää lokin sellaisena kuin se lähetetään; siellä sitä
ei voi muokata. Valikkorivin Tarkista-komento (Alt+K, miltä tahansa sivulta)
kertoo, montako ongelmaa ja huomautusta tarkistus löytää, ja nimeää niistä
ensimmäiset. Rivit, jotka lokirobotti kyseenalaistaisi, merkitään punaisella
(ongelma) tai keltaisella (huomautus); osoita merkittyä riviä nähdäksesi syyn:
yhteys kilpailuviikonlopun ulkopuolella, taajuus bandilla, jota SAC ei käytä,
tai bandijaon ulkopuolella, sarjan arvo, jota säännöt eivät tunne, ilmoitettu
pistemäärä, joka poikkeaa lokin omasta, ja muuta. Cabrillo-teksti päivittyy
jokaisen uuden yhteyden ja jokaisen korjauksen mukana.
Kun kansiossa on kilpailutunnusten MASTER.SCP-lista (tai hamradio-files-paketin
lista), tunnetut tunnukset, jotka sisältävät tunnuskenttään kirjoittamasi
merkit, luetellaan pistetaulukon alla; Asetukset, Osittaishaku kytkee sen pois.</translation>
    </message>
    <message>
        <source>Logging live with the rig</source>
        <translation>Lokitus radio kytkettynä</translation>
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
        <translation>Asetukset, Radio... kytkee Kerolt-ohjelman radioosi Hamlibin kautta. Valitse
malli (”Hamlib NET rigctl” tavoittaa jo käynnissä olevan rigctld:n), portti
(sarjalaite, kuten /dev/ttyUSB0, tai host:port rigctld:lle) ja nopeus;
mallilistan ”Pois” katkaisee yhteyden. Kerolt muistaa radion ja yhdistää
uudelleen seuraavalla käynnistyskerralla.
• Noin kerran sekunnissa Kerolt lukee radion taajuuden ja lähetelajin ja
  näyttää ne tilarivillä, perässä (ei CW) tai (ei SSB), kun lähetelaji ei sovi
  kilpailuun.
• Kun radio siirtyy toiselle kilpailubandille, bandikenttä seuraa. Alt+B:llä
  tai Alt+V:llä valittu bandi pysyy, kunnes radio taas siirtyy.
• Radion bandilla kirjattu yhteys saa radion taajuuden kHz:nä, kuten 14025,
  14000:n sijaan.
• Sammutettu tai irrotettu radio ei koskaan hidasta kirjoittamistasi: tilarivi
  sanoo ”ei radiota”, yhteydet saavat bandin, ja Kerolt yhdistää uudelleen
  itsestään.</translation>
    </message>
    <message>
        <source>File, Save... saves the Cabrillo log. Kerolt proposes your callsign as the file
name, with .log after it and every &quot;/&quot; replaced by &quot;-&quot; (SM5QQQ/P gives
SM5QQQ-P.log). To continue a saved log later, open it with File, Open....
You may edit the Cabrillo file in any text editor before you send it. Open
reads a log of any layout by its fields; a QSO line it cannot read is named in
one message after the load, and the rest of the log opens.</source>
        <translation>Tiedosto, Tallenna... tallentaa Cabrillo-lokin. Kerolt ehdottaa tiedostonimeksi
tunnustasi, perässä .log ja jokainen ”/” korvattuna merkillä ”-” (SM5QQQ/P
antaa SM5QQQ-P.log). Jatka tallennettua lokia myöhemmin avaamalla se valinnalla
Tiedosto, Avaa....
Voit muokata Cabrillo-tiedostoa millä tahansa tekstieditorilla ennen kuin
lähetät sen. Avaa lukee minkä tahansa asettelun lokin sen kenttien perusteella;
yhteysrivi, jota se ei pysty lukemaan, mainitaan yhdessä viestissä latauksen
jälkeen, ja muu loki avautuu.</translation>
    </message>
    <message>
        <source>Send the Cabrillo file to the SAC contest manager as the rules of the year say:
upload it on the contest&apos;s web site, www.sactest.net, or send it by e-mail, in
time for the log deadline given in those rules.</source>
        <translation>Lähetä Cabrillo-tiedosto SAC-kilpailun järjestäjälle vuoden sääntöjen mukaan:
lataa se kilpailun verkkosivulle, www.sactest.net, tai lähetä se sähköpostilla
ennen sääntöjen ilmoittamaa lokien määräaikaa.</translation>
    </message>
    <message>
        <source>ADIF: your logbook and the QSL services</source>
        <translation>ADIF: oma lokikirjasi ja QSL-palvelut</translation>
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
        <translation>• Tiedosto, Vie ADIF... kirjoittaa lokin ADIF-tiedostoksi tavalliseen
  lokikirjaasi, LoTW:hen, Club Logiin tai QRZ:aan. Kerolt ehdottaa
  tiedostonimeksi tunnustasi ja sen perään .adi, lokin kansioon. Jokainen
  yhteys säilyttää päivämääränsä, aikansa, bandinsa, lähetelajinsa (CW tai SSB),
  raporttinsa, lähetetyn ja vastaanotetun numeron, kilpailun (SAC-CW tai
  SAC-SSB) ja tunnuksesi; tuplayhteydet ovat yhteyksiä ja menevät myös mukaan.
• Tiedosto, Tuo ADIF... tekee uuden lokin kilpailussa käyttämäsi lokiohjelman
  ADIF-tiedostosta, kuten Tiedosto, Avaa... tekee Cabrillo-tiedostosta. Vain
  kilpailuviikonlopun yhteydet viideltä kilpailubandilta kilpailun
  lähetelajilla otetaan mukaan; viesti kertoo muiden määrän ja nimeää ne.
  Kilpailu tulee tiedostosta, ja tunnuksesikin, jos asematietosivulla ei ole
  sitä.
  Tarkista asematietosivu ja tallenna loki ennen kuin lähetät sen.</translation>
    </message>
    <message>
        <source>SetUp, Language chooses the language of the window and of this help: English,
Svenska, Suomi, Norsk bokmål or Dansk, or Follow the desktop, which takes your
desktop&apos;s language. Kerolt speaks a new choice from its next start. The Cabrillo
log is the same in every language.</source>
        <translation>Asetukset, Kieli valitsee ikkunan ja tämän ohjeen kielen: English, Svenska,
Suomi, Norsk bokmål tai Dansk, tai Työpöydän kieli, joka käyttää työpöytäsi
kieltä. Kerolt ottaa uuden valinnan käyttöön seuraavalla käynnistyskerralla.
Cabrillo-loki on sama kaikilla kielillä.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>%1 %2 to %3 %4 UTC</source>
        <translation>%1 %2 – %3 %4 UTC</translation>
    </message>
    <message>
        <source>%1 is not an ADIF file</source>
        <translation>%1 ei ole ADIF-tiedosto</translation>
    </message>
    <message>
        <source>the tag has no closing &apos;&gt;&apos;</source>
        <translation>tagista puuttuu loppumerkki ”&gt;”</translation>
    </message>
    <message>
        <source>&apos;&lt;%1&gt;&apos; is no ADIF tag</source>
        <translation>”&lt;%1&gt;” ei ole ADIF-tagi</translation>
    </message>
    <message>
        <source>&lt;EOH&gt; after the header</source>
        <translation>ylimääräinen &lt;EOH&gt; otsakkeen jälkeen</translation>
    </message>
    <message>
        <source>the field &lt;%1&gt; has no length</source>
        <translation>kentällä &lt;%1&gt; ei ole pituutta</translation>
    </message>
    <message>
        <source>the field &lt;%1&gt; runs past the end of the file</source>
        <translation>kenttä &lt;%1&gt; jatkuu tiedoston lopun yli</translation>
    </message>
    <message>
        <source>the last record has no &lt;EOR&gt;</source>
        <translation>viimeiseltä tietueelta puuttuu &lt;EOR&gt;</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: rivi %2: %3</translation>
    </message>
    <message>
        <source>no call</source>
        <translation>ei tunnusta</translation>
    </message>
    <message>
        <source>no valid date (YYYYMMDD)</source>
        <translation>ei kelvollista päivämäärää (YYYYMMDD)</translation>
    </message>
    <message>
        <source>no valid time (HHMM)</source>
        <translation>ei kelvollista aikaa (HHMM)</translation>
    </message>
    <message>
        <source>in another mode</source>
        <translation>eri lähetelajilla</translation>
    </message>
    <message>
        <source>not on a contest band</source>
        <translation>ei kilpailubandilla</translation>
    </message>
    <message>
        <source>outside the contest period</source>
        <translation>kilpailuajan ulkopuolella</translation>
    </message>
    <message>
        <source>no received number</source>
        <translation>ei vastaanotettua numeroa</translation>
    </message>
    <message>
        <source>not fit for the log</source>
        <translation>ei kelpaa lokiin</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The sent report &quot;%1&quot; is not a valid RST on CW</source>
        <translation>Lähetetty raportti ”%1” ei ole kelvollinen CW-RST</translation>
    </message>
    <message>
        <source>The received report &quot;%1&quot; is not a valid RST on CW</source>
        <translation>Vastaanotettu raportti ”%1” ei ole kelvollinen CW-RST</translation>
    </message>
    <message>
        <source>The sent report &quot;%1&quot; is not a valid RST on SSB</source>
        <translation>Lähetetty raportti ”%1” ei ole kelvollinen SSB-RST</translation>
    </message>
    <message>
        <source>The received report &quot;%1&quot; is not a valid RST on SSB</source>
        <translation>Vastaanotettu raportti ”%1” ei ole kelvollinen SSB-RST</translation>
    </message>
    <message>
        <source>The sent report &quot;%1&quot; is no report</source>
        <translation>Lähetetty raportti ”%1” ei ole raportti</translation>
    </message>
    <message>
        <source>The received report &quot;%1&quot; is no report</source>
        <translation>Vastaanotettu raportti ”%1” ei ole raportti</translation>
    </message>
    <message>
        <source>QSO %1 (%2 %3 %4): %5</source>
        <translation>QSO %1 (%2 %3 %4): %5</translation>
    </message>
    <message>
        <source>No QSO lies in a %1 or %2 weekend (Saturday %3 to Sunday %4 UTC).</source>
        <translation>Yksikään yhteys ei osu %1- tai %2-viikonloppuun (lauantai %3 – sunnuntai %4 UTC).</translation>
    </message>
    <message>
        <source>%1, the contest on the station page.</source>
        <translation>%1, asematietosivulla valittu kilpailu.</translation>
    </message>
    <message>
        <source>%1, the contest weekend with the most QSOs in the file.</source>
        <translation>%1, kilpailuviikonloppu, jolla tiedostossa on eniten yhteyksiä.</translation>
    </message>
    <message>
        <source>%1, the contest weekend with the most QSOs in the file. It has none in %2, the contest on the station page.</source>
        <translation>%1, kilpailuviikonloppu, jolla tiedostossa on eniten yhteyksiä. Asematietosivulla valitussa kilpailussa %2 tiedostossa ei ole yhtään yhteyttä.</translation>
    </message>
    <message>
        <source>The file has more QSOs (%1) in %2: choose %3 on the station page to take those.</source>
        <translation>Tiedostossa on enemmän yhteyksiä (%1) kilpailussa %2: valitse asematietosivulla %3, niin ne otetaan mukaan.</translation>
    </message>
    <message>
        <source>The file holds no QSO.</source>
        <translation>Tiedostossa ei ole yhteyksiä.</translation>
    </message>
    <message>
        <source>%1 of %2 QSO taken; not taken:</source>
        <translation>%1/%2 QSO otettu mukaan; pois jäivät:</translation>
    </message>
    <message>
        <source>%1 of %2 QSOs taken; not taken:</source>
        <translation>%1/%2 QSO:ta otettu mukaan; pois jäivät:</translation>
    </message>
    <message>
        <source>%1 of %2 QSO taken, %3 outside that contest; not taken:</source>
        <translation>%1/%2 QSO otettu mukaan, %3 sen kilpailun ulkopuolella; pois jäivät:</translation>
    </message>
    <message>
        <source>%1 of %2 QSOs taken, %3 outside that contest; not taken:</source>
        <translation>%1/%2 QSO:ta otettu mukaan, %3 sen kilpailun ulkopuolella; pois jäivät:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ja %1 muuta</translation>
    </message>
</context>
<context>
    <name>QsoGrid</name>
    <message>
        <source>Row</source>
        <comment>the QSO&apos;s number in the log</comment>
        <translation>Rivi</translation>
    </message>
    <message>
        <source>Freq.</source>
        <comment>frequency or band</comment>
        <translation>Taaj.</translation>
    </message>
    <message>
        <source>Time</source>
        <comment>UTC</comment>
        <translation>Aika</translation>
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
        <translation>Tunnus</translation>
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
        <translation>Kerr</translation>
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
        <translation>%1 ei ole Cabrillo 3.0 -loki</translation>
    </message>
    <message>
        <source>no header tag</source>
        <translation>ei otsaketagia</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ja %1 muuta</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>rivi %1: %2</translation>
    </message>
    <message>
        <source>These lines were not read as QSOs:</source>
        <translation>Näitä rivejä ei luettu yhteyksiksi:</translation>
    </message>
    <message>
        <source>%1 X-QSO line is kept as an X-QSO line: not scored, no dupe, in no total.</source>
        <translation>%1 X-QSO-rivi säilytetään X-QSO-rivinä: ei pisteitä, ei tuplatarkistusta, ei mukana summissa.</translation>
    </message>
    <message>
        <source>%1 X-QSO lines are kept as X-QSO lines: not scored, no dupes, in no total.</source>
        <translation>%1 X-QSO-riviä säilytetään X-QSO-riveinä: ei pisteitä, ei tuplatarkistusta, ei mukana summissa.</translation>
    </message>
    <message>
        <source>These lines were not read:</source>
        <translation>Näitä rivejä ei luettu:</translation>
    </message>
    <message>
        <source>Saving over the file leaves these lines out.</source>
        <translation>Jos tallennat tiedoston päälle, nämä rivit jäävät pois.</translation>
    </message>
    <message>
        <source>The file is UTF-8; these characters have no Latin-1 form and became &quot;?&quot;:</source>
        <translation>Tiedosto on UTF-8-muotoinen; näillä merkeillä ei ole Latin-1-muotoa, ja niistä tuli ”?”:</translation>
    </message>
    <message>
        <source>no frequency</source>
        <translation>ei taajuutta</translation>
    </message>
    <message>
        <source>no mode</source>
        <translation>ei lähetelajia</translation>
    </message>
    <message>
        <source>no date</source>
        <translation>ei päivämäärää</translation>
    </message>
    <message>
        <source>no time</source>
        <translation>ei aikaa</translation>
    </message>
    <message>
        <source>no sent call</source>
        <translation>ei lähetettyä tunnusta</translation>
    </message>
    <message>
        <source>no sent report</source>
        <translation>ei lähetettyä raporttia</translation>
    </message>
    <message>
        <source>no sent number</source>
        <translation>ei lähetettyä numeroa</translation>
    </message>
    <message>
        <source>no call</source>
        <translation>ei tunnusta</translation>
    </message>
    <message>
        <source>no received report</source>
        <translation>ei vastaanotettua raporttia</translation>
    </message>
    <message>
        <source>no received number</source>
        <translation>ei vastaanotettua numeroa</translation>
    </message>
    <message>
        <source>date &quot;%1&quot; is no date</source>
        <translation>”%1” ei ole kelvollinen päivämäärä</translation>
    </message>
    <message>
        <source>sent call &quot;%1&quot; is a number, not a call</source>
        <translation>lähetetty tunnus ”%1” on numero, ei tunnus</translation>
    </message>
    <message>
        <source>call &quot;%1&quot; is a number, not a call</source>
        <translation>tunnus ”%1” on numero, ei tunnus</translation>
    </message>
    <message>
        <source>no QSO line</source>
        <translation>ei QSO-riviä</translation>
    </message>
    <message>
        <source>&quot;%1&quot; after the received number</source>
        <translation>”%1” vastaanotetun numeron perässä</translation>
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
        <translation>%1 QSO:ta</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Pistemäärä: %1</translation>
    </message>
    <message>
        <source>Operating time: %1</source>
        <translation>Operointiaika: %1</translation>
    </message>
    <message>
        <source>On the air: %1 (breaks of %2 min or more left out)</source>
        <translation>Aktiivinen aika: %1 (vähintään %2 min tauot pois lukien)</translation>
    </message>
    <message>
        <source>Best 60 min: %1</source>
        <translation>Paras 60 min: %1</translation>
    </message>
    <message>
        <source>Without a time: %1</source>
        <translation>Ilman aikaa: %1</translation>
    </message>
    <message>
        <source>Not in the contest, not counted: %1</source>
        <translation>Ei kilpailussa, ei laskettu: %1</translation>
    </message>
    <message>
        <source>On no contest band, not counted: %1</source>
        <translation>Ei kilpailubandilla, ei laskettu: %1</translation>
    </message>
    <message>
        <source>%1/h</source>
        <translation>%1/h</translation>
    </message>
    <message>
        <source>Last 60 min: %1  Last 10: %2</source>
        <translation>Viim. 60 min: %1  Viim. 10: %2</translation>
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
        <translation>ei radiota</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2 (not CW)</source>
        <translation>%1 %2 (ei CW)</translation>
    </message>
    <message>
        <source>%1 %2 (not SSB)</source>
        <translation>%1 %2 (ei SSB)</translation>
    </message>
</context>
<context>
    <name>Score</name>
    <message>
        <source>0 pts: Scandinavian with Scandinavian</source>
        <translation>0 p: skandinaavinen skandinaavisen kanssa</translation>
    </message>
    <message>
        <source>0 pts: not in the contest</source>
        <translation>0 p: ei kilpailussa</translation>
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
        <translation>0 p: vastaanotettu 000</translation>
    </message>
    <message>
        <source>%1 pt: no country found</source>
        <translation>%1 p: maata ei löytynyt</translation>
    </message>
    <message>
        <source>%1 pts: no country found</source>
        <translation>%1 p: maata ei löytynyt</translation>
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
        <translation>Ei kilpailussa</translation>
    </message>
</context>
<context>
    <name>ScoreTable</name>
    <message>
        <source>Band  QSO  Pnt  Mul</source>
        <comment>keep the four columns&apos; widths</comment>
        <translation>Band  QSO  Pis  Ker</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Tulos:</translation>
    </message>
</context>
<context>
    <name>StationClass</name>
    <message>
        <source>Scandinavian</source>
        <translation>Skandinaavinen</translation>
    </message>
    <message>
        <source>Non Scandinavian</source>
        <translation>Ei-skandinaavinen</translation>
    </message>
    <message>
        <source>Non Scandinavian-DX</source>
        <translation>Ei-skandinaavinen DX</translation>
    </message>
</context>
<context>
    <name>StationLists</name>
    <message>
        <source>Contest</source>
        <extracomment>The text a station list shows while nothing is chosen in it</extracomment>
        <translation>Kilpailu</translation>
    </message>
    <message>
        <source>Category-Assisted</source>
        <translation>Sarja-Avustus</translation>
    </message>
    <message>
        <source>Category-Band</source>
        <translation>Sarja-Bandi</translation>
    </message>
    <message>
        <source>Category-Operator</source>
        <translation>Sarja-Operaattori</translation>
    </message>
    <message>
        <source>Category-Transmitter</source>
        <translation>Sarja-Lähetin</translation>
    </message>
    <message>
        <source>Category-Power</source>
        <translation>Sarja-Teho</translation>
    </message>
    <message>
        <source>Category-Station</source>
        <translation>Sarja-Asema</translation>
    </message>
    <message>
        <source>Category-Overlay</source>
        <translation>Sarja-Lisäluokka</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Kieli</translation>
    </message>
    <message>
        <source>Kerolt follows the desktop&apos;s language from its next start.</source>
        <translation>Kerolt käyttää työpöydän kieltä seuraavasta käynnistyksestä alkaen.</translation>
    </message>
    <message>
        <source>Kerolt speaks %1 from its next start.</source>
        <extracomment>%1 is the language&apos;s name in that language: Svenska, Suomi, ...</extracomment>
        <translation>Kerolt käyttää kieltä %1 seuraavasta käynnistyksestä alkaen.</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Työpöydän kieli</translation>
    </message>
</context>
<context>
    <name>kerolt::AdifCommands</name>
    <message>
        <source>&amp;Import ADIF...</source>
        <translation>Tuo A&amp;DIF...</translation>
    </message>
    <message>
        <source>&amp;Export ADIF...</source>
        <translation>&amp;Vie ADIF...</translation>
    </message>
</context>
<context>
    <name>kerolt::PartialCalls</name>
    <message>
        <source>* worked in this log, = the call typed, ~ one character away</source>
        <translation>* pidetty tässä lokissa, = kirjoitettu tunnus, ~ yhden merkin ero</translation>
    </message>
    <message>
        <source>Check &amp;partial</source>
        <translation>&amp;Osittaishaku</translation>
    </message>
    <message numerus="yes">
        <source>+%n more</source>
        <comment>calls not shown</comment>
        <translation>
            <numerusform>+%n lisää</numerusform>
            <numerusform>+%n lisää</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kerolt::ResultsControl</name>
    <message>
        <source>&amp;Results...</source>
        <translation>Tul&amp;okset...</translation>
    </message>
</context>
<context>
    <name>kerolt::ResultsWindow</name>
    <message>
        <source>Results</source>
        <translation>Tulokset</translation>
    </message>
    <message>
        <source>QSOs</source>
        <translation>QSO:t</translation>
    </message>
    <message>
        <source>Dupes</source>
        <translation>Tuplat</translation>
    </message>
    <message>
        <source>0 pts</source>
        <comment>QSOs worth no points</comment>
        <translation>0 p</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pisteet</translation>
    </message>
    <message>
        <source>Mults</source>
        <comment>multipliers</comment>
        <translation>Kertoimet</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>all bands</comment>
        <translation>Yhteensä</translation>
    </message>
    <message>
        <source>Copy summary</source>
        <translation>Kopioi yhteenveto</translation>
    </message>
    <message>
        <source>The summary for score-reporting sites, as plain text</source>
        <translation>Yhteenveto tulospalvelusivustoille pelkkänä tekstinä</translation>
    </message>
    <message>
        <source>QSOs per hour (UTC)</source>
        <translation>QSO:t tunneittain (UTC)</translation>
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
        <translation>Pois</translation>
    </message>
    <message>
        <source>/dev/ttyUSB0 or localhost:4532</source>
        <translation>/dev/ttyUSB0 tai localhost:4532</translation>
    </message>
    <message>
        <source>The rig&apos;s own</source>
        <comment>serial speed</comment>
        <translation>Radion oma</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <comment>rig model</comment>
        <translation>&amp;Malli</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <comment>serial port or network address</comment>
        <translation>&amp;Portti</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <comment>serial speed in baud</comment>
        <translation>&amp;Nopeus</translation>
    </message>
</context>
<context>
    <name>kerolt::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Tietoja</translation>
    </message>
    <message>
        <source>Manual Cabrillo log input for SAC</source>
        <translation>Cabrillo-lokin käsinsyöttö SAC-kilpailuun</translation>
    </message>
    <message>
        <source>Version - %1  2011-09-16</source>
        <translation>Versio - %1  2011-09-16</translation>
    </message>
    <message>
        <source>Kerolt developers</source>
        <translation>Kerolt-kehittäjät</translation>
    </message>
    <message>
        <source>To make SAC easy</source>
        <translation>SAC helpommaksi</translation>
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
        <translation>Tallenna kerroinlista</translation>
    </message>
    <message>
        <source>Realtime: On</source>
        <translation>Reaaliaika: päällä</translation>
    </message>
    <message>
        <source>Realtime: Off</source>
        <translation>Reaaliaika: pois</translation>
    </message>
    <message>
        <source>AutoSave: On</source>
        <translation>Autom. tallennus: päällä</translation>
    </message>
    <message>
        <source>AutoSave: Off</source>
        <translation>Autom. tallennus: pois</translation>
    </message>
    <message>
        <source>%1 problem</source>
        <translation>%1 ongelma</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 ongelmaa</translation>
    </message>
    <message>
        <source>%1 note</source>
        <translation>%1 huomautus</translation>
    </message>
    <message>
        <source>%1 notes</source>
        <translation>%1 huomautusta</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The check&apos;s summary: the problems counted, then the notes</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2 (point at a marked line for why)</source>
        <translation>%1, %2 (osoita merkittyä riviä nähdäksesi syyn)</translation>
    </message>
    <message>
        <source>Kerolt Ver %1 - Manual Cabrillo input for SAC</source>
        <translation>Kerolt versio %1 - Cabrillo-lokin käsinsyöttö SAC-kilpailuun</translation>
    </message>
    <message>
        <source>Last.log holds %1 QSO in no saved file, written %2 UTC. Open it?</source>
        <translation>Last.log sisältää %1 yhteyden, jota ei ole missään tallennetussa tiedostossa (kirjoitettu %2 UTC). Avataanko se?</translation>
    </message>
    <message>
        <source>Last.log holds %1 QSOs in no saved file, written %2 UTC. Open it?</source>
        <translation>Last.log sisältää %1 yhteyttä, joita ei ole missään tallennetussa tiedostossa (kirjoitettu %2 UTC). Avataanko se?</translation>
    </message>
    <message>
        <source>Exit </source>
        <comment>message box title</comment>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>message box title</comment>
        <translation>Avaa</translation>
    </message>
    <message>
        <source>New</source>
        <comment>message box title</comment>
        <translation>Uusi</translation>
    </message>
    <message>
        <source>Do you want to save the log before exit?</source>
        <translation>Haluatko tallentaa lokin ennen lopettamista?</translation>
    </message>
    <message>
        <source>Do you want to save the log before opening another?</source>
        <translation>Haluatko tallentaa lokin ennen toisen avaamista?</translation>
    </message>
    <message>
        <source>Do you want to save the log before starting a new one?</source>
        <translation>Haluatko tallentaa lokin ennen uuden aloittamista?</translation>
    </message>
    <message>
        <source>Quit without Saving?</source>
        <translation>Lopetetaanko tallentamatta?</translation>
    </message>
    <message>
        <source>Data input</source>
        <translation>Asematiedot</translation>
    </message>
    <message>
        <source>Log input</source>
        <translation>Lokin syöttö</translation>
    </message>
    <message>
        <source>Cabrillo log</source>
        <translation>Cabrillo-loki</translation>
    </message>
    <message>
        <source>Mult List</source>
        <translation>Kerroinlista</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tiedosto</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Uusi</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Avaa...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Tallenna...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>Set&amp;Up</source>
        <translation>&amp;Asetukset</translation>
    </message>
    <message>
        <source>&amp;Realtime</source>
        <translation>&amp;Reaaliaika</translation>
    </message>
    <message>
        <source>&amp;AutoSave</source>
        <translation>&amp;Automaattitallennus</translation>
    </message>
    <message>
        <source>Chec&amp;k</source>
        <translation>Tar&amp;kista</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ohje</translation>
    </message>
    <message>
        <source>&amp;HowTo</source>
        <translation>&amp;Käyttöohje</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Tietoja...</translation>
    </message>
    <message>
        <source>Delete last row</source>
        <translation>Poista viimeinen rivi</translation>
    </message>
    <message>
        <source>Callsign used during the contest</source>
        <translation>Kilpailussa käytetty tunnus</translation>
    </message>
    <message>
        <source>Callsign of the Operators</source>
        <translation>Operaattorien tunnukset</translation>
    </message>
    <message>
        <source>Club (Not needed)</source>
        <translation>Kerho (ei pakollinen)</translation>
    </message>
    <message>
        <source>Callsign </source>
        <translation>Tunnus </translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Operaattorit</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nimi</translation>
    </message>
    <message>
        <source>&amp;Address</source>
        <translation>O&amp;soite</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>Sähköposti</translation>
    </message>
    <message>
        <source>The program will fill in this for you</source>
        <translation>Ohjelma täyttää tämän puolestasi</translation>
    </message>
    <message>
        <source>&amp;Soapbox</source>
        <translation>Ko&amp;mmentit</translation>
    </message>
    <message>
        <source>&amp;Clamed Score</source>
        <translation>&amp;Ilm. pistemäärä</translation>
    </message>
    <message>
        <source>&amp;Club</source>
        <translation>K&amp;erho</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopioi</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Liitä</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Valitse k&amp;aikki</translation>
    </message>
    <message>
        <source>MyCall</source>
        <comment>the own callsign&apos;s place until one is typed</comment>
        <translation>Oma tunnus</translation>
    </message>
    <message>
        <source>Sent</source>
        <comment>the button that shows the sent report and number</comment>
        <translation>Lähetetty</translation>
    </message>
    <message>
        <source>Received</source>
        <comment>the button that shows the received report and number</comment>
        <translation>Vastaanotettu</translation>
    </message>
    <message>
        <source>Freqv.</source>
        <comment>the frequency list&apos;s text while no frequency is chosen</comment>
        <translation>Taaj.</translation>
    </message>
    <message>
        <source>80 meter</source>
        <translation>80 metriä</translation>
    </message>
    <message>
        <source>40 meter</source>
        <translation>40 metriä</translation>
    </message>
    <message>
        <source>20 meter</source>
        <translation>20 metriä</translation>
    </message>
    <message>
        <source>15 meter</source>
        <translation>15 metriä</translation>
    </message>
    <message>
        <source>10 meter</source>
        <translation>10 metriä</translation>
    </message>
</context>
<context>
    <name>kerolt::TForm3</name>
    <message>
        <source>Help</source>
        <translation>Ohje</translation>
    </message>
</context>
</TS>
