<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Lempar dadu empat kali dan dapatkan ramalan</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer adalah permainan ramalan kecil. Pikirkan sebuah masalah, lempar sebuah dadu empat kali dengan satu tombol, lalu terima salah satu dari enam belas ramalan singkat: lemparan ganjil dan genap membentuk pola yang menentukan ramalannya.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Menu dan tautannya membuka halaman web pembuatnya (bantuan daring, pembaruan, donasi) di peramban bawaan Anda; program ini sendiri tidak pernah terhubung ke jaringan. Saat Anda menutupnya, layar perpisahan menampilkan formulir untuk merekomendasikan program ini kepada teman: formulir itu membuka halaman di situs web pembuatnya yang alamatnya memuat nama dan alamat email Anda serta nama dan alamat email teman Anda. Setiap dua minggu sekali, program ini bertanya apakah perlu mencari pembaruan. Satu-satunya hal yang disimpannya dari satu penggunaan ke penggunaan berikutnya adalah tanggal pertanyaan tersebut.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Jendela utama, siap untuk empat lemparan</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Kotak dialog Tentang</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Layar perpisahan yang muncul saat jendela utama ditutup</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Ramalan Dadu</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Lempar dadu empat kali dan dapatkan ramalan untuk masalah Anda</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>dadu;ramalan;meramal;nasib;peruntungan;orakel;dice;oracle;</translation>
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
        <translation>Anda penuh dengan energi feminin. Anda memiliki kecenderungan untuk merawat orang lain. Inilah saat yang tepat untuk terhubung dengan batin Anda.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Anda penuh dengan energi maskulin. Anda penuh kekuatan dan terdorong untuk mencapai tujuan Anda. Inilah saat yang tepat untuk mewujudkan impian Anda.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Gambaran Anda tentang proyek ini sangat baik. Wujudkanlah, dan Anda pasti berhasil.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Mungkin ada suatu masalah yang menghambat langkah Anda. Pikirkanlah dan cari keseimbangannya agar Anda berhasil.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>Inilah saatnya menyatukan semua upaya Anda. Bersabarlah, dan kerja keras Anda akan membuahkan hasil.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Kembangkan intuisi Anda seiring dengan sisi praktis pikiran Anda.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Intuisi Anda sangat kuat. Namun, tidak semua keputusan Anda praktis. Pikirkan matang-matang sebelum mengambil keputusan penting.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>Saat ini Anda sedang seimbang. Pertimbangkan semua manfaatnya sebelum melanjutkan tugas yang ada di tangan Anda.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Pikirkan semua kekuatan yang menguasai Anda. Lihat bagaimana kekuatan itu telah membantu Anda, lalu ambil keputusan yang sesuai.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Anda melihat cita-cita Anda sudah hampir terwujud. Namun, belum semuanya beres. Anda perlu lebih seimbang.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Dasar Anda kuat, tetapi Anda perlu memperluas gagasan dan wawasan Anda.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Kembangkan kekuatan intuisi Anda. Singkirkan semua rasa takut dan keraguan Anda. Seiring langkah Anda ke depan, Anda akan mendapat semua bantuan yang Anda perlukan.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Usahakan perpaduan yang tepat antara pikiran dan jiwa agar pekerjaan Anda tuntas.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Rencana Anda bisa berantakan jika Anda kurang berhati-hati.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Fondasi Anda kuat dan pikiran Anda terbuka. Buang semua rasa takut Anda dan gapailah bintang.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Anda telah mengubur diri dalam kekhawatiran dan ketegangan. Anda kehilangan arah menuju tujuan Anda. Lepaskan diri dari kekhawatiran ini agar Anda dapat meraih sukses dalam hidup.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>Nama Anda</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Alamat email Anda</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nama teman</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Alamat email teman</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Pesan Anda</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>Lemparan: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>Lemparan: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>&amp;Lempar Dadu</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>Lihat Hasil</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Lempar Dadu</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Cubomancer sedang berjalan. Tutup program tersebut, lalu pilih “Coba Lagi”.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Mungkin tersedia pembaruan untuk perangkat lunak ini.
Apakah Anda ingin memeriksa pembaruan?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer adalah alat ramalan sederhana yang membantu Anda menemukan solusi untuk masalah sehari-hari.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Peluang usaha dari rumah. Mulai bisnis Internet sendiri dan hasilkan uang secara daring. Perangkat lunak ini dengan merek situs web Anda.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Klik untuk detailnya</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Klik di sini untuk mengunjungi %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Kunjungi Omenhall Sekarang</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Rekomendasikan ke Teman</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Rekomendasikan Sekarang</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Unduh Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Kunjungi Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Program Augury Softwares seperti ini hanya dapat dibuat dan dipelihara berkat dukungan Anda. Cara terbaik untuk mendukung Omenhall adalah mengunjungi Omenhall secara rutin dan ikut serta dalam diskusi serta kegiatan lain di forum.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Kunjungi Omenhall secara rutin. Dukung Omenhall dengan ikut serta dalam diskusi dan kegiatan lainnya. Tanpa kunjungan rutin Anda ke Omenhall, program-program ini tidak dapat terus didukung dan dipelihara.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall adalah forum diskusi daring GRATIS untuk segala hal yang berbau mistis. Untuk membantu Omenhall mengembangkan dan memelihara program ini, kunjungi Omenhall secara rutin.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall membutuhkan bantuan Anda. Cukup kunjungi Omenhall secara rutin dan ikut serta dalam berbagai diskusi dan kegiatan untuk membantu kami memelihara dan mengembangkan lebih banyak program Augury Softwares.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Jika Anda menyukai program ini, Anda pasti tertarik dengan program Augury Softwares kami yang lain. Berawal dari satu program, kini kami menjadi sumber program ramalan terbesar di dunia. Astrologi, paranormal, tarot, numerologi, hingga okultisme: kami punya program di semua bidang, sehingga pengguna bebas memilih sesuai minatnya.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Semua program Augury Softwares sederhana dan mudah digunakan. Selain menyenangkan, program-program ini juga sangat informatif. Cobalah hari ini dan bagikan pengalaman Anda kepada teman dan keluarga. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Alamat email tidak boleh mengandung spasi.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>Forum diskusi mistis daring terpopuler. Sumber terbaik untuk segala hal mistis. Kunjungi Omenhall sekarang</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Lempar Dadu</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Pikirkan masalah Anda dan bermeditasilah. Buka mata Anda, lalu klik “Lempar Dadu”.</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Hasil Cubomancer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Kembali</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Penawaran</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Peluang usaha dari rumah. Mulai bisnis Internet Anda sendiri dan hasilkan uang secara daring. Dapatkan perangkat lunak ini dengan merek situs web Anda. Klik di sini untuk info selengkapnya.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Pasang merek situs Anda pada perangkat lunak ini. Tingkatkan loyalitas dan kunjungan ke situs Anda. Nama &amp;&amp; tautan situs Anda tampil di sini. Detail di “Bantuan”. Klik di sini untuk info co-branding.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Berkas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>B&amp;antuan</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Bantuan Daring</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Kunjungi Situs Kami</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Periksa Pembaruan</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Tentang Program</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donasi</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Hasilkan Uang Daring</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Dadu, belum dilempar</translation>
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
        <translation>Aplikasi sudah berjalan.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Masukkan dua alamat email yang berbeda.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Masukkan alamat email yang valid.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Masukkan nama Anda.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Masukkan alamat email Anda.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Masukkan pesan Anda.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Masukkan nama teman Anda.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Masukkan alamat email teman Anda.</translation>
    </message>
</context>
</TS>
