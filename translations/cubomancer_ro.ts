<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Aruncați un zar de patru ori și primiți o prezicere</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer este o mică jucărie de ghicit. Gândiți-vă la o problemă, aruncați un zar de patru ori cu ajutorul unui buton și primiți una dintre cele șaisprezece preziceri scurte: aruncările cu număr par și impar formează un model care alege prezicerea.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Meniurile și legăturile programului deschid paginile web ale producătorului (ajutor online, actualizări, donații) în browserul implicit; programul în sine nu comunică niciodată prin rețea. Când îl închideți, un ecran de rămas-bun vă oferă un formular prin care puteți recomanda programul unui prieten: acesta deschide o pagină de pe site-ul producătorului, a cărei adresă conține numele și adresa de e-mail ale dumneavoastră și ale prietenului dumneavoastră. O dată la două săptămâni, programul întreabă dacă să caute o actualizare. Singurul lucru pe care îl păstrează de la o pornire la alta este data acestei întrebări.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Fereastra principală, pregătită pentru cele patru aruncări</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Caseta „Despre”</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Ecranul de rămas-bun, afișat la închiderea ferestrei principale</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Oracol cu zaruri</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Aruncați un zar de patru ori și primiți o prezicere pentru problema dumneavoastră</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>zar;zaruri;oracol;noroc;ghicit;prezicere;viitor;dice;oracle;</translation>
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
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nu</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>Energia feminină este puternică în dumneavoastră. Aveți o înclinație firească de a-i ocroti pe ceilalți. Acum este momentul potrivit să vă regăsiți sinele interior.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Energia masculină este puternică în dumneavoastră. Aveți multă forță și dorința de a vă atinge țelurile. Acum este momentul potrivit să vă transformați visurile în fapte.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Vă imaginați foarte bine proiectul. Puneți-l în practică și succesul este asigurat.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Poate că ceva vă împiedică să mergeți mai departe. Gândiți-vă la acest lucru și găsiți echilibrul pentru a reuși.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>Acum este momentul să vă uniți toate eforturile. Aveți răbdare, iar munca dumneavoastră va da roade.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Dezvoltați-vă intuiția împreună cu latura practică a minții.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Intuiția dumneavoastră este foarte puternică, dar deciziile dumneavoastră nu sunt întotdeauna practice. Gândiți-vă de două ori înainte de a lua decizii importante.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>În acest moment vă aflați în echilibru. Gândiți-vă la toate avantajele înainte de a vă apuca de sarcinile pe care le aveți de îndeplinit.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Gândiți-vă la toate forțele care vă domină. Vedeți cum v-au ajutat aceste forțe și apoi luați decizii în consecință.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Vedeți că visul dumneavoastră este aproape de împlinire. Totuși, nu totul este în regulă. Va trebui să găsiți un echilibru mai bun.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Aveți o bază solidă, dar va trebui să vă lărgiți orizontul ideilor și al opiniilor.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Dezvoltați-vă puterile intuitive. Renunțați la toate temerile și inhibițiile. Pe măsură ce înaintați, veți primi tot ajutorul de care aveți nevoie.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Încercați să găsiți îmbinarea potrivită între minte și spirit pentru a vă duce munca la bun sfârșit.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Planul dumneavoastră s-ar putea năărui dacă nu aveți mare grijă.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Aveți o temelie trainică și o minte deschisă. Lăsați deoparte toate temerile și țintiți spre stele.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>V-ați îngropat în griji și tensiuni. Ați pierdut din vedere țelul. Lăsați grijile în urmă pentru a vă împlini în viață.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>Numele dumneavoastră</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Adresa dumneavoastră de e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Numele prietenului</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresa de e-mail a prietenului</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Mesajul dumneavoastră</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>%n aruncare</numerusform>
            <numerusform>%n aruncări</numerusform>
            <numerusform>%n de aruncări</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>%n aruncare</numerusform>
            <numerusform>%n aruncări</numerusform>
            <numerusform>%n de aruncări</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>Aruncați &amp;zarul</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>Afișare rezultat</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Aruncați zarul</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Cubomancer rulează. Închideți programul, apoi alegeți „Reîncercare”.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Este posibil să existe o actualizare pentru acest program.
Doriți să căutați actualizări?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer este un instrument simplu de ghicit, care vă ajută să găsiți soluții pentru problemele de zi cu zi.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Afacere de acasă: porniți o afacere pe internet și câștigați bani online. Acest program, cu marca site-ului dumneavoastră.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Aflați mai multe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Faceți clic aici pentru a vizita %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Faceți clic aici și vizitați Omenhall</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ieșire</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomandați unui prieten</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recomandați acum</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Descărcări Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Vizitați Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Programele Augury Softwares, precum acesta, există numai datorită sprijinului dumneavoastră. Cel mai bine sprijiniți Omenhall vizitând des forumul și luând parte la discuții și la celelalte activități.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Vizitați Omenhall cu regularitate. Sprijiniți Omenhall luând parte la discuții și la celelalte activități. Fără vizitele dumneavoastră regulate pe Omenhall, aceste programe nu pot fi întreținute.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall este un forum online gratuit despre tot ce ține de mistică. Pentru a ajuta Omenhall să dezvolte și să întrețină acest program, vizitați Omenhall cu regularitate.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall are nevoie de ajutorul dumneavoastră. Vizitați Omenhall cu regularitate și participați la discuții și activități: astfel ne ajutați să întreținem programele Augury Softwares și să creăm altele noi.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Dacă v-a plăcut acest program, vă vor interesa cu siguranță și celelalte programe Augury Softwares. Am pornit de la un singur program și am ajuns cea mai mare colecție de programe de ghicit din lume. Astrologie, clarviziune, tarot, numerologie sau ocultism: avem programe pentru toate gusturile.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Toate programele Augury Softwares sunt simple și ușor de folosit. Sunt distractive și, totodată, foarte instructive. Încercați-le chiar azi și povestiți despre ele prietenilor și familiei. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Adresa de e-mail nu poate conține spații.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>Cel mai popular forum online despre mistică. Cea mai bună sursă pentru tot ce e mistic. Vizitați Omenhall acum</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Aruncați zarul</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Gândiți-vă la problema dumneavoastră și meditați. Apoi deschideți ochii și aruncați zarul.</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Rezultatul Cubomancer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>Î&amp;napoi</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Oferte</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Afacere de acasă: porniți o afacere pe internet și câștigați bani online. Acest program, cu marca site-ului dumneavoastră. Faceți clic aici pentru detalii.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Puneți-vă marca pe acest program: mai mulți vizitatori fideli și mai mult trafic. Aici vor apărea numele &amp;&amp; linkul site-ului dumneavoastră. Detalii în „Ajutor”. Faceți clic aici pentru mai multe despre co-branding.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fișier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajutor</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ieșire</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajutor &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Vizitați site-ul nostru</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Căutați actualizări</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Despre program</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donați</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Câștigați bani online</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Zarul nu a fost încă aruncat</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>Zarul arată %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Programul rulează deja.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Introduceți două adrese de e-mail diferite.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Introduceți o adresă de e-mail validă.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Introduceți numele dumneavoastră.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Introduceți adresa dumneavoastră de e-mail.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Introduceți mesajul dumneavoastră.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Introduceți numele prietenului dumneavoastră.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Introduceți adresa de e-mail a prietenului dumneavoastră.</translation>
    </message>
</context>
</TS>
