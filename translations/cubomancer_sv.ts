<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Kasta en tärning fyra gånger och få en spådom</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer är en liten spådomsleksak. Tänk på ett problem, kasta en tärning fyra gånger med en knapp och få en av sexton korta spådomar: de udda och jämna kasten bildar ett mönster som avgör vilken spådom du får.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Menyerna och länkarna öppnar tillverkarens webbsidor (onlinehjälp, uppdateringar, donationer) i din standardwebbläsare; själva programmet kommunicerar aldrig över nätverket. När du stänger programmet visas en avskedsskärm med ett formulär där du kan tipsa en vän om programmet: det öppnar en sida på tillverkarens webbplats, och sidans adress innehåller ditt namn och din e-postadress samt din väns. Varannan vecka frågar programmet om det ska söka efter uppdateringar. Det enda programmet sparar mellan körningarna är datumet för den frågan.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Huvudfönstret, redo för de fyra kasten</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Dialogrutan Om</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Avskedsskärmen som visas när huvudfönstret stängs</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Tärningsorakel</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Kasta en tärning fyra gånger och få en spådom om ditt problem</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>tärning;tärningar;orakel;spådom;spå;framtid;dice;oracle;</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>Du är full av feminin energi. Du har lätt för att ta hand om andra. Nu är rätt tid att komma i kontakt med ditt inre jag.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Du är full av maskulin energi. Du sprudlar av kraft och vill verkligen nå dina mål. Nu är rätt tid att omsätta dina drömmar i handling.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Du har en mycket klar bild av ditt projekt. Genomför det, så är framgången säker.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Kanske är det något som hindrar dig från att gå vidare. Tänk över det och hitta rätt balans, så lyckas du.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>Nu är det dags att samla alla dina krafter. Ha tålamod, så kommer ditt arbete att bära frukt.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Utveckla din intuition tillsammans med ditt praktiska sinne.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Din intuition är mycket stark, men dina beslut är inte alltid praktiska. Tänk efter en extra gång innan du fattar viktiga beslut.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>Du är i god balans just nu. Tänk igenom alla fördelar innan du tar itu med uppgifterna som väntar.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Tänk på alla krafter som styr dig. Se hur de har hjälpt dig och fatta sedan dina beslut utifrån det.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Du ser att din vision snart kan bli verklighet. Men allt är inte som det ska. Du behöver hitta en bättre balans.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Du har en stabil grund, men du behöver vidga dina idéer och synsätt.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Utveckla dina intuitiva förmågor. Släpp all rädsla och alla hämningar. På vägen framåt får du all hjälp du behöver.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Försök hitta rätt balans mellan förstånd och själ för att slutföra ditt arbete.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Din plan kan gå i kras om du inte är riktigt försiktig.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Du har en fast grund och ett öppet sinne. Kasta all rädsla överbord och sträck dig mot stjärnorna.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Du har begravt dig i oro och spänningar. Du har tappat ditt mål ur sikte. Släpp oron, så kan du blomstra i livet.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>Ditt namn</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Din e-postadress</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Din väns namn</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Din väns e-postadress</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ditt meddelande</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>Kast: %n</numerusform>
            <numerusform>Kast: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>Kast: %n</numerusform>
            <numerusform>Kast: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>&amp;Kasta tärningen</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>Visa resultatet</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Kasta tärningen</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Cubomancer körs. Stäng programmet och välj sedan ”Försök igen”.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Det kan finnas en uppdatering av det här programmet.
Vill du söka efter uppdateringar?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer är ett enkelt spådomsverktyg som hjälper dig att hitta lösningar på dina vardagsproblem.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Affärsidé hemifrån: starta ett eget internetföretag och tjäna pengar online. Få programmet med ditt varumärke för din webbplats.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Läs mer här</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Klicka här för att besöka %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Klicka här och besök Omenhall nu</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Tipsa en vän</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Tipsa nu</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Hämta från Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Besök Augury Softwares här</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Program från Augury Softwares som det här kan bara skapas och underhållas med ditt stöd. Det bästa sättet att stödja Omenhall är att besöka forumet regelbundet och delta i diskussionerna och de andra aktiviteterna.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Besök Omenhall regelbundet. Stöd Omenhall genom att delta i diskussionerna och de andra aktiviteterna. Utan dina regelbundna besök på Omenhall kan de här programmen inte underhållas.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall är ett kostnadsfritt onlineforum för allt som har med mystik att göra. Hjälp Omenhall att utveckla och underhålla det här programmet genom att besöka Omenhall regelbundet.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall behöver din hjälp. Allt du behöver göra är att besöka Omenhall regelbundet och delta i de olika diskussionerna och aktiviteterna. Då hjälper du oss att underhålla programmen från Augury Softwares och ta fram nya.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Om du har gillat det här programmet är du säkert intresserad av våra andra program från Augury Softwares. Från ett enda program har vi vuxit till världens största samling av spådomsprogram. Astrologi, synskhet, tarot, numerologi eller ockultism: vi har program inom alla områden, så det finns något för varje smak.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Alla program från Augury Softwares är enkla och lätta att använda. De är inte bara roliga utan också mycket lärorika. Prova dem i dag och berätta om dina upplevelser för vänner och familj. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>En e-postadress får inte innehålla mellanslag.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>Det populäraste onlineforumet om mystik. Den bästa källan till allt mystiskt. Besök Omenhall nu</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Kasta tärningen</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Tänk på ditt problem och meditera. Öppna sedan ögonen och kasta tärningen.</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Ditt Cubomancer-resultat</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Tillbaka</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Erbjudanden</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Affärsidé hemifrån: starta ett eget internetföretag och tjäna pengar online. Få programmet med ditt varumärke för din webbplats. Klicka här för att läsa mer.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Sätt ditt eget varumärke på det här programmet: fler trogna besökare och mer trafik. Din webbplats namn &amp;&amp; länk visas då här. Mer information under ”Hjälp”. Klicka här för att läsa mer om co-branding.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>O&amp;nlinehjälp</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Besök vår webbplats</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Sök efter uppdateringar</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Om programmet</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donera</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Tjäna pengar &amp;online</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Tärning, inte kastad än</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>Tärningen visar %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Programmet körs redan.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Ange två olika e-postadresser.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Ange en giltig e-postadress.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Ange ditt namn.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Ange din e-postadress.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Skriv ett meddelande.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Ange din väns namn.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Ange din väns e-postadress.</translation>
    </message>
</context>
</TS>
