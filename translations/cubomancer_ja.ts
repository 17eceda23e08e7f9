<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>サイコロを4回振って占い結果を受け取る</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer は小さな占いのおもちゃです。悩みごとを思い浮かべてボタンでサイコロを4回振ると、16通りの短い占い結果のうち1つが表示されます。出た目の奇数・偶数の並びで占い結果が決まります。</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>メニューやリンクからは作者の Web ページ（オンラインヘルプ、更新、寄付）を既定のブラウザーで開きます。プログラム自体はネットワークに接続しません。終了時に表示される画面には友達にプログラムを紹介するフォームがあり、送信すると、あなたと友達の名前とメールアドレスを URL に含んだ作者の Web サイトのページが開きます。2週間に1度、更新を確認するかどうかを尋ねます。起動と起動の間に保存するのは、この確認をした日付だけです。</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>サイコロを4回振る準備ができたメインウィンドウ</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>バージョン情報ダイアログ</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>メインウィンドウを閉じると表示される終了画面</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>サイコロ占い</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>サイコロを4回振って悩みごとを占います</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>サイコロ;さいころ;ダイス;占い;うらない;運勢;お告げ;dice;oracle;fortune;</translation>
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
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>あなたは女性的なエネルギーに満ちています。人の世話をしたいという気持ちが強いようです。今こそ自分の内面と向き合うときです。</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>あなたは男性的なエネルギーに満ちています。力にあふれ、目標を達成したいという意欲に駆られています。今こそ夢を実行に移すときです。</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>計画のイメージはとてもよくできています。実行に移せば、きっと成功するでしょう。</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>何かが前進を妨げているのかもしれません。それについてよく考え、バランスを整えれば成功できます。</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>今こそ、すべての力を結集するときです。辛抱強く続ければ、努力は実を結ぶでしょう。</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>直感を磨くと同時に、物事を現実的に考える力も養いましょう。</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>あなたの直感はとても鋭いですが、その判断がすべて現実的とは限りません。大切なことを決める前には、慎重に考え直しましょう。</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>今のあなたはバランスがとれています。目の前の作業を進める前に、それで得られるものをすべて考えてみましょう。</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>あなたを支配しているさまざまな力について考えてみましょう。それらの力がどのように助けになってきたかを見極めたうえで、判断を下しましょう。</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>思い描いたことの実現が目前に迫っています。ただ、まだすべてが順調というわけではありません。もっとバランスを整える必要があります。</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>基盤はしっかりしていますが、考え方や視野をもっと広げる必要があります。</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>直感力を磨きましょう。恐れやためらいをすべて捨てれば、進むにつれて必要な助けがすべて得られるでしょう。</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>頭と心のバランスをうまくとって、仕事をやり遂げましょう。</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>よほど注意しないと、計画が崩れてしまうかもしれません。</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>しっかりとした基盤と柔軟な心を持っています。恐れをすべて捨てて、高みを目指しましょう。</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>心配や緊張に押しつぶされ、目標を見失っています。こうした悩みから抜け出して、人生で大きく羽ばたきましょう。</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>あなたの名前</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>あなたのメールアドレス</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>友達の名前</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>友達のメールアドレス</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>メッセージ</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>振った回数：%n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>振った回数：%n</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>サイコロを振る(&amp;R)</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>結果を見る</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>サイコロを振る</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Cubomancer が実行中です。終了してから「再試行」を選んでください。</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>このソフトウェアの新しいバージョンが公開されている可能性があります。
更新を確認しますか？</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer は、日々の悩みの答えを見つける手助けをするシンプルな占いツールです。</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>在宅でネット起業！このソフトをあなたのサイトのブランドで提供して稼ぎませんか。</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>詳しくはこちら</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>%1 にアクセス</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>クリックして今すぐ Omenhall へ</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>友達に紹介</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>今すぐ友達に紹介(&amp;N)</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Augury Softwares を入手</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Augury Softwares »</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>このソフトのような Augury Softwares のプログラムは、皆さまの支援があってこそ作り続けられます。いちばんの支援は、Omenhall を定期的に訪れて掲示板の議論や活動に参加することです。</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Omenhall を定期的に訪れて、議論やさまざまな活動に参加し、Omenhall を支えてください。皆さまの定期的な訪問がなければ、これらのソフトウェアを維持することはできません。</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall は神秘にまつわるあらゆることを語り合える無料のオンライン掲示板です。このソフトウェアの開発と維持のため、Omenhall を定期的に訪れてください。</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall は皆さまの助けを必要としています。Omenhall を定期的に訪れて議論や活動に参加するだけで、Augury Softwares のプログラムの維持と開発を支えられます。</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>このソフトウェアを気に入っていただけたなら、Augury Softwares のほかのプログラムにもきっと興味を持っていただけるはずです。たった1本のソフトから始まり、今では世界最大級の占いソフトのラインアップに成長しました。占星術、霊視、タロット、数秘術、オカルトなど、あらゆる分野のプログラムをそろえているので、興味に合わせて幅広く選べます。</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Augury Softwares のプログラムはどれもシンプルで使いやすく、楽しいだけでなく役にも立ちます。今すぐ試して、その体験を友達や家族と分かち合いましょう。</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>メールアドレスにスペースは使用できません。</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>神秘を語り合う一番人気の掲示板。神秘のことなら Omenhall へ今すぐアクセス！</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>サイコロを振る</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>悩みごとを思い浮かべて瞑想し、目を開けたらサイコロを振ってください。</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Cubomancer の占い結果</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>おすすめ</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>在宅でネット起業！このソフトをあなたのサイトのブランドで提供して稼ぎませんか。詳しくはこちら。</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>このソフトをあなたのサイトとの共同ブランドに。リピーターとアクセスが増え、ここにサイト名 &amp;&amp; リンクが載ります。詳細は「ヘルプ」で。共同ブランドについてはこちら。</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>オンラインヘルプ(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Web サイトにアクセス(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>ソフトウェアの更新を確認(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>寄付(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>オンラインで稼ぐ(&amp;O)</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>サイコロ（まだ振っていません）</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>サイコロの目：%1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>このアプリケーションは既に実行されています。</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>あなたと友達で異なるメールアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>正しいメールアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>あなたの名前を入力してください。</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>あなたのメールアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>メッセージを入力してください。</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>友達の名前を入力してください。</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>友達のメールアドレスを入力してください。</translation>
    </message>
</context>
</TS>
