<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms_MY">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Baling dadu empat kali dan dapatkan ramalan</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer ialah permainan tilikan yang ringkas. Fikirkan satu masalah, baling sebiji dadu empat kali dengan satu butang, dan terima salah satu daripada enam belas ramalan pendek: balingan ganjil dan genap membentuk corak yang menentukan ramalan anda.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Menu dan pautannya membuka halaman web pembuatnya (bantuan dalam talian, kemas kini, derma) dalam pelayar lalai anda; program ini sendiri tidak pernah berhubung dengan rangkaian. Apabila anda menutupnya, skrin perpisahan memaparkan borang untuk mengesyorkan program ini kepada rakan: borang itu membuka halaman di laman web pembuatnya yang alamatnya mengandungi nama dan alamat e-mel anda serta nama dan alamat e-mel rakan anda. Setiap dua minggu, program ini bertanya sama ada perlu menyemak kemas kini. Satu-satunya perkara yang disimpannya antara satu penggunaan dengan penggunaan seterusnya ialah tarikh soalan itu.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Tetingkap utama, sedia untuk empat balingan</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Kotak Perihal</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Skrin perpisahan yang dipaparkan apabila tetingkap utama ditutup</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Tilikan Dadu</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Baling dadu empat kali dan dapatkan ramalan untuk masalah anda</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>dadu;tilik;tilikan;ramalan;nasib;tenung;peramal;dice;oracle;</translation>
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
        <translation>&amp;Ya</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Tidak</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>Anda penuh dengan tenaga feminin. Anda cenderung untuk menjaga orang lain. Inilah masa yang sesuai untuk berhubung dengan diri dalaman anda.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Anda penuh dengan tenaga maskulin. Anda penuh kekuatan dan berkobar-kobar untuk mencapai matlamat anda. Inilah masa yang sesuai untuk merealisasikan impian anda.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Gambaran anda tentang projek ini sangat baik. Laksanakannya dan anda pasti berjaya.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Mungkin ada sesuatu yang menghalang anda daripada terus maju. Fikirkannya dan cari keseimbangan untuk berjaya.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>Inilah masanya untuk menggabungkan segala usaha anda. Bersabarlah dan usaha anda akan membuahkan hasil.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Kembangkan gerak hati anda seiring dengan sisi praktikal fikiran anda.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Gerak hati anda sangat kuat. Namun, tidak semua keputusan anda praktikal. Fikir dua kali sebelum membuat keputusan penting.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>Anda berada dalam keadaan seimbang sekarang. Fikirkan semua manfaatnya sebelum meneruskan tugas yang sedang anda lakukan.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Fikirkan semua kuasa yang menguasai diri anda. Lihat bagaimana kuasa-kuasa ini telah membantu anda, kemudian buat keputusan dengan sewajarnya.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Anda dapat melihat impian anda hampir tercapai. Tetapi tidak semuanya beres. Anda perlu lebih seimbang.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Anda mempunyai asas yang kukuh, tetapi anda perlu meluaskan idea dan pandangan anda.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Kembangkan kuasa gerak hati anda. Buang segala ketakutan dan kekangan diri anda. Sambil anda melangkah ke hadapan, anda akan mendapat segala bantuan yang anda perlukan.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Cuba capai gabungan yang tepat antara minda dan jiwa untuk menyiapkan kerja anda.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Rancangan anda mungkin runtuh jika anda tidak cukup berhati-hati.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Anda mempunyai asas yang teguh dan fikiran yang terbuka. Buang segala ketakutan anda dan gapailah bintang di langit.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Anda telah membenamkan diri dalam kebimbangan dan tekanan. Anda telah hilang fokus terhadap matlamat anda. Bebaskan diri daripada kebimbangan ini untuk cemerlang dalam hidup.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>Nama anda</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Alamat e-mel anda</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nama rakan</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Alamat e-mel rakan</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Mesej anda</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>Balingan: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>Balingan: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>Ba&amp;ling Dadu</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>Papar Hasil</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Baling Dadu</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Cubomancer sedang berjalan. Tutup program itu, kemudian pilih “Cuba Semula”.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Mungkin terdapat kemas kini untuk perisian ini.
Adakah anda mahu menyemak kemas kini?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer ialah alat tilikan ringkas yang membantu anda mencari penyelesaian bagi masalah harian anda.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Peluang perniagaan dari rumah. Mulakan perniagaan Internet dan jana pendapatan dalam talian. Perisian ini dengan jenama laman web anda.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Klik untuk butiran lanjut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Klik di sini untuk melawati %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Lawati Omenhall Sekarang</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Syorkan kepada Rakan</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Syorkan Sekarang</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Muat Turun Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Lawati Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Perisian Augury Softwares seperti ini hanya dapat dihasilkan dan diselenggara dengan sokongan anda. Cara terbaik untuk menyokong Omenhall ialah dengan melawati Omenhall secara kerap dan menyertai perbincangan serta aktiviti lain di forum.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Lawati Omenhall secara kerap. Sokong Omenhall dengan menyertai perbincangan dan aktiviti lain. Tanpa lawatan kerap anda ke Omenhall, perisian ini tidak dapat terus disokong dan diselenggara.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall ialah forum perbincangan dalam talian PERCUMA untuk segala perkara mistik. Untuk membantu Omenhall membangunkan dan menyelenggara perisian ini, lawati Omenhall secara kerap.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall memerlukan bantuan anda. Lawati sahaja Omenhall secara kerap dan sertai pelbagai perbincangan dan aktiviti untuk membantu kami menyelenggara dan membangunkan lebih banyak perisian Augury Softwares.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Jika anda menyukai perisian ini, anda pasti berminat dengan perisian Augury Softwares kami yang lain. Bermula dengan sebuah perisian, kini kami telah menjadi sumber perisian tilikan terbesar di dunia. Astrologi, psikik, tarot, numerologi atau ilmu ghaib, kami ada program dalam semua bidang, jadi pengguna boleh memilih mengikut minat masing-masing.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Semua program Augury Softwares ringkas dan mudah digunakan. Program ini bukan sahaja menyeronokkan tetapi juga sangat bermaklumat. Cubalah hari ini dan kongsikan pengalaman anda dengan rakan dan keluarga. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Alamat e-mel tidak boleh mengandungi ruang kosong.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>Forum perbincangan mistik dalam talian paling popular. Sumber terbaik untuk segala perkara mistik. Lawati Omenhall sekarang</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Baling Dadu</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Fikirkan masalah anda dan bermeditasi. Buka mata anda, kemudian klik “Baling Dadu”.</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Keputusan Cubomancer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Kembali</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Tawaran</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Peluang perniagaan dari rumah. Mulakan perniagaan Internet anda sendiri dan jana pendapatan dalam talian. Dapatkan perisian ini dengan jenama laman web anda. Klik di sini untuk butiran lanjut.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Letakkan jenama laman anda pada perisian ini. Tingkatkan kesetiaan dan trafik laman anda. Nama &amp;&amp; pautan laman anda di sini. Butiran dalam “Bantuan”. Klik untuk maklumat penjenamaan bersama.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fail</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Bantuan</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Bantuan Dalam Talian</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Lawati Laman Web Kami</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Semak Kemas Kini</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Perihal Perisian</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Derma</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Jana Pendapatan Dalam Talian</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Dadu, belum dibaling</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>Dadu menunjukkan %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Aplikasi ini sedang berjalan.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Sila masukkan dua alamat e-mel yang berbeza.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Sila masukkan alamat e-mel yang sah.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Sila masukkan nama anda.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Sila masukkan alamat e-mel anda.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Sila masukkan mesej anda.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Sila masukkan nama rakan anda.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Sila masukkan alamat e-mel rakan anda.</translation>
    </message>
</context>
</TS>
