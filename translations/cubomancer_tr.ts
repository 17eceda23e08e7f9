<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Zarı dört kez atın ve bir fal yorumu alın</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer küçük bir fal oyuncağıdır. Bir sorununuzu düşünün, bir düğmeyle zarı dört kez atın ve on altı kısa yorumdan birini alın: tek ve çift atışların oluşturduğu desen, yorumu belirler.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Menüleri ve bağlantıları, yapımcının web sayfalarını (çevrimiçi yardım, güncellemeler, bağışlar) varsayılan tarayıcınızda açar; programın kendisi hiçbir zaman ağa bağlanmaz. Programı kapattığınızda bir veda ekranı, programı bir arkadaşınıza önermeniz için bir form sunar: Bu form, yapımcının web sitesinde, adresinde sizin ve arkadaşınızın adı ile e-posta adresi bulunan bir sayfa açar. Program iki haftada bir, güncelleme denetlensin mi diye sorar. Çalıştırmalar arasında sakladığı tek şey bu sorunun tarihidir.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Dört atışa hazır ana pencere</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Hakkında penceresi</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Ana pencere kapanınca görünen veda ekranı</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Zar Falı</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Zarı dört kez atın ve sorununuz için bir fal yorumu alın</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>zar;zarlar;fal;kehanet;kâhin;falcı;yorum;şans;dice;oracle;fortune;</translation>
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
        <translation>&amp;Evet</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Hayır</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>Dişil enerjiyle dolusunuz. İnsanlara özen gösterme eğilimindesiniz. Şimdi iç dünyanızla bağ kurmanın tam zamanı.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Eril enerjiyle dolusunuz. Gücünüz yerinde ve hedeflerinize ulaşma isteğiyle yanıp tutuşuyorsunuz. Şimdi hayallerinizi gerçeğe dönüştürmenin tam zamanı.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Projeyi gözünüzde çok iyi canlandırıyorsunuz. Onu hayata geçirin; başarıya ulaşacağınızdan emin olabilirsiniz.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>İlerlemenizi engelleyen bir sorun olabilir. Üzerine düşünün ve başarı için dengeyi yeniden kurun.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>Şimdi tüm çabalarınızı birleştirme zamanı. Sabırlı olun, emekleriniz meyvesini verecek.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Sezgilerinizi, aklınızın pratik yanıyla birlikte geliştirin.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Sezgileriniz çok güçlü. Ancak kararlarınızın hepsi gerçekçi olmayabilir. Önemli kararlar vermeden önce iyice düşünün.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>Şu anda dengedesiniz. Elinizdeki işlerle ilerlemeden önce olası tüm kazanımları düşünün.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Üzerinizde etkili olan tüm güçleri düşünün. Bu güçlerin size nasıl yardım ettiğini görün ve kararlarınızı buna göre verin.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Hayalinizin gerçekleşmesi çok yakın. Ama her şey yolunda değil. Daha dengeli olmanız gerekecek.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Sağlam bir temeliniz var, ancak fikirlerinizi ve bakış açınızı genişletmeniz gerekecek.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Sezgisel güçlerinizi geliştirin. Tüm korkularınızdan ve çekingenliklerinizden kurtulun. Yolunuza devam ettikçe ihtiyacınız olan her yardımı bulacaksınız.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>İşinizi tamamlamak için akıl ile ruh arasında doğru dengeyi kurmaya çalışın.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Çok dikkatli olmazsanız planınız suya düşebilir.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Sağlam bir temeliniz ve açık bir zihniniz var. Tüm korkularınızı bir kenara atın ve yıldızlara uzanın.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Kendinizi kaygıların ve gerginliklerin altına gömmüşsünüz. Hedefinizi gözden kaybettiniz. Hayatta başarılı olmak için bu kaygılardan sıyrılın.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>Adınız</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>E-posta adresiniz</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Arkadaşınızın adı</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Arkadaşınızın e-posta adresi</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Mesajınız</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>Atış sayısı: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>Atış sayısı: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>&amp;Zar At</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>Sonucu Göster</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Zar At</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Cubomancer çalışıyor. Programı kapatın, ardından Yeniden Dene düğmesine tıklayın.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Bu programın yeni bir sürümü çıkmış olabilir.
Güncelleme olup olmadığını denetlemek ister misiniz?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer, günlük sorunlarınıza çözüm bulmanıza yardımcı olan basit bir fal aracıdır.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Evden iş fırsatı: Kendi internet işinizi kurun ve çevrimiçi para kazanın. Bu programı tamamen sitenizin markasıyla edinin.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Ayrıntılar için tıklayın</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>%1 adresine gitmek için tıklayın</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Omenhall forumuna gitmek için tıklayın</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Arkadaşınıza Önerin</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Hemen Önerin</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>İndir: Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Augury Softwares sitesine gidin</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Bunun gibi Augury Softwares programları ancak sizin desteğinizle geliştirilip sürdürülebilir. Omenhall forumuna en iyi desteği, onu düzenli olarak ziyaret edip tartışmalara ve etkinliklere katılarak verirsiniz.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Omenhall forumunu düzenli olarak ziyaret edin. Tartışmalara ve diğer etkinliklere katılarak foruma destek olun. Düzenli ziyaretleriniz olmadan bu programların bakımı ve desteği sürdürülemez.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall, mistik olan her şey için ÜCRETSİZ bir çevrimiçi tartışma forumudur. Bu programın geliştirilip sürdürülmesine yardım etmek için Omenhall forumunu düzenli olarak ziyaret edin.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall yardımınızı bekliyor. Forumu düzenli olarak ziyaret edip tartışmalara ve etkinliklere katılmanız yeterli: Böylece Augury Softwares programlarını sürdürmemize ve yenilerini geliştirmemize yardım edersiniz.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Bu programı beğendiyseniz Augury Softwares ailesindeki diğer programlarımız da mutlaka ilginizi çekecektir. Tek bir programla yola çıktık; bugün dünyanın en geniş fal programları koleksiyonuna sahibiz. Astroloji, medyumluk, tarot, numeroloji ya da okültizm: Her alanda programımız var, herkes ilgisine göre seçebilir.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Augury Softwares ailesindeki tüm programlar basit ve kullanımı kolaydır. Hem eğlenceli hem de bilgilendiricidir. Bugün deneyin ve izlenimlerinizi arkadaşlarınız ve ailenizle paylaşın. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>E-posta adresi boşluk içeremez.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>Omenhall: en popüler çevrimiçi mistisizm forumu ve mistik olan her şey için en iyi kaynak. Hemen ziyaret edin!</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Zar Atışı</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Sorununuzu düşünüp meditasyon yapın. Sonra gözlerinizi açın ve Zar&#xa0;At düğmesine tıklayın.</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Cubomancer Sonucu</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Geri</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Fırsatlar</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Evden iş fırsatı: Kendi internet işinizi kurun ve çevrimiçi para kazanın. Bu programı tamamen sitenizin markasıyla edinin. Ayrıntılar için tıklayın.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Bu programı sitenizin markasıyla sunun; daha sadık ziyaretçiler ve daha çok trafik kazanın. Sitenizin adı &amp;&amp; bağlantısı burada yer alsın. Ayrıntılar “Yardım” menüsünde. Ortak markalama hakkında bilgi için tıklayın.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Çevrimiçi &amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Web Sitemizi Ziyaret Et</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Güncellemeleri Denetle</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Program &amp;Hakkında</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Bağış Yap</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Çevrimiçi &amp;Para Kazan</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Zar, henüz atılmadı</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>Zar: %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Program zaten çalışıyor.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Lütfen iki farklı e-posta adresi girin.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Lütfen geçerli bir e-posta adresi girin.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Lütfen adınızı girin.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Lütfen e-posta adresinizi girin.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Lütfen mesajınızı girin.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Lütfen arkadaşınızın adını girin.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Lütfen arkadaşınızın e-posta adresini girin.</translation>
    </message>
</context>
</TS>
