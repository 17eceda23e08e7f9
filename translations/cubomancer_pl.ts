<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Rzuć kostką cztery razy i poznaj wróżbę</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer to niewielka zabawka do wróżenia. Pomyśl o swoim problemie, cztery razy rzuć kostką za pomocą przycisku i otrzymaj jedną z szesnastu krótkich wróżb: parzyste i nieparzyste rzuty układają się we wzór, który wskazuje wróżbę.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Menu i odnośniki programu otwierają strony internetowe jego twórcy (pomoc online, aktualizacje, darowizny) w domyślnej przeglądarce; sam program nigdy nie łączy się z siecią. Po zamknięciu programu ekran pożegnalny wyświetla formularz, za pomocą którego można polecić program znajomemu: otwiera on stronę witryny twórcy, której adres zawiera twoje imię i adres e-mail oraz imię i adres znajomego. Raz na dwa tygodnie program pyta, czy poszukać aktualizacji. Jedyne, co przechowuje między uruchomieniami, to data tego pytania.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Okno główne gotowe do czterech rzutów</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Okno „O programie”</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Ekran pożegnalny wyświetlany po zamknięciu okna głównego</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Wróżenie z kostki</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Rzuć kostką cztery razy i poznaj wróżbę w swojej sprawie</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>kostka;kości;wyrocznia;wróżba;wróżenie;los;dice;oracle;divination;</translation>
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
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>Masz w sobie wiele kobiecej energii. Lubisz troszczyć się o innych. To dobry moment, by nawiązać kontakt ze swoim wnętrzem.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Masz w sobie wiele męskiej energii. Masz mnóstwo siły i nieodpartą potrzebę osiągania swoich celów. To dobry moment, by wcielić marzenia w życie.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Twoja wizja przedsięwzięcia jest bardzo dobra. Wprowadź ją w życie, a sukces masz zapewniony.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Być może coś powstrzymuje cię przed pójściem naprzód. Zastanów się nad tym i przywróć równowagę, a osiągniesz sukces.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>Nadszedł czas, by połączyć wszystkie siły. Uzbrój się w cierpliwość, a twoja praca przyniesie owoce.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Rozwijaj intuicję, nie zapominając o praktycznej stronie umysłu.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Twoja intuicja jest bardzo silna, ale twoje decyzje nie zawsze są praktyczne. Przed ważnymi decyzjami zastanów się dwa razy.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>W tej chwili zachowujesz równowagę. Zanim zabierzesz się do bieżących zadań, rozważ wszystkie korzyści.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Pomyśl o wszystkich siłach, które tobą rządzą. Zobacz, jak ci pomogły, i zgodnie z tym podejmuj decyzje.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Twoja wizja jest już bliska spełnienia. Ale nie wszystko jest w porządku. Musisz odnaleźć lepszą równowagę.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Masz solidne podstawy, ale musisz poszerzyć swoje horyzonty i poglądy.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Rozwijaj swoje zdolności intuicyjne. Odrzuć wszystkie lęki i zahamowania. Na dalszej drodze otrzymasz każdą potrzebną pomoc.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Postaraj się znaleźć właściwe połączenie rozumu i ducha, by doprowadzić swoją pracę do końca.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Twój plan może się rozsypać, jeśli nie zachowasz dużej ostrożności.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Masz solidny fundament i otwarty umysł. Odrzuć wszystkie lęki i sięgnij gwiazd.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Zmartwienia i napięcia całkiem cię przygniotły. Twój cel zniknął ci z oczu. Uwolnij się od tych trosk, a odniesiesz w życiu sukces.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>Twoje imię</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Twój adres e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Imię znajomego</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adres e-mail znajomego</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Twoja wiadomość</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>%n rzut</numerusform>
            <numerusform>%n rzuty</numerusform>
            <numerusform>%n rzutów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>%n rzut</numerusform>
            <numerusform>%n rzuty</numerusform>
            <numerusform>%n rzutów</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>&amp;Rzuć kostką</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>Pokaż wynik</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Rzuć kostką</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Program Cubomancer jest uruchomiony. Zamknij go i wybierz „Ponów próbę”.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Może być dostępna nowa wersja tego programu.
Czy chcesz sprawdzić dostępność aktualizacji?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer to proste narzędzie do wróżenia, które pomoże ci znaleźć rozwiązania codziennych problemów.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Biznes w domu. Załóż własny biznes internetowy i zarabiaj online. Otrzymaj ten program w pełni pod marką swojej witryny.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Więcej informacji</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Odwiedź %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Odwiedź Omenhall już teraz</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Poleć znajomemu</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Poleć teraz</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Programy Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Odwiedź witrynę Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Programy Augury Softwares, takie jak ten, mogą powstawać i być rozwijane tylko dzięki twojemu wsparciu. Najlepiej wesprzesz Omenhall, regularnie odwiedzając Omenhall i biorąc udział w dyskusjach i innych aktywnościach na forum.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Odwiedzaj regularnie Omenhall. Wspieraj Omenhall, biorąc udział w dyskusjach i innych aktywnościach. Bez twoich regularnych odwiedzin na Omenhall nie da się utrzymywać i rozwijać tych programów.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall to bezpłatne forum internetowe o wszystkim, co mistyczne. Aby pomóc Omenhall rozwijać i utrzymywać ten program, regularnie odwiedzaj Omenhall.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall potrzebuje twojej pomocy. Wystarczy, że będziesz regularnie odwiedzać Omenhall i brać udział w dyskusjach i innych aktywnościach – w ten sposób pomożesz nam utrzymywać i tworzyć kolejne programy Augury Softwares.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Jeśli ten program przypadł ci do gustu, na pewno zainteresują cię też nasze inne programy Augury Softwares. Zaczynaliśmy od jednego programu, a dziś mamy największy na świecie zbiór programów wróżbiarskich. Astrologia, jasnowidzenie, tarot, numerologia czy okultyzm – mamy programy z każdej dziedziny, na każdy gust.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Wszystkie programy Augury Softwares są proste i łatwe w obsłudze. Są nie tylko zabawne, ale i bardzo pouczające. Wypróbuj je już dziś i podziel się wrażeniami z przyjaciółmi i rodziną. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Adres e-mail nie może zawierać spacji.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>Najpopularniejsze mistyczne forum dyskusyjne w sieci. Wszystko o mistyce w jednym miejscu. Odwiedź Omenhall już teraz</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Rzut kostką</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Pomyśl o swoim problemie i pomedytuj. Potem otwórz oczy i kliknij „Rzuć kostką”.</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Wynik wróżby</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>Wst&amp;ecz</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Oferty</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Biznes w domu. Załóż własny biznes internetowy i zarabiaj online. Otrzymaj ten program w pełni pod marką swojej witryny. Kliknij, aby dowiedzieć się więcej.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Co-branding tego programu dla twojej witryny: więcej stałych gości i większy ruch. Tu pojawi się nazwa &amp;&amp; link twojej witryny. Szczegóły w menu „Pomoc”. Więcej o co-brandingu tutaj.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Pomoc w &amp;internecie</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Odwiedź naszą &amp;stronę</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Sprawdź &amp;aktualizacje</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Wesprzyj</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Zarabiaj online</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Jeszcze nie rzucono kostką</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>Na kostce wypadło %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Program jest już uruchomiony.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Podaj dwa różne adresy e-mail.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Podaj poprawny adres e-mail.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Podaj swoje imię.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Podaj swój adres e-mail.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Wpisz wiadomość.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Podaj imię znajomego.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Podaj adres e-mail znajomego.</translation>
    </message>
</context>
</TS>
