<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>擲四次骰子，獲得一則占卜結果</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer 是一款小巧的占卜玩具。心裡想著一個問題，用按鈕擲四次骰子，就會得到十六則簡短占卜結果中的一則：擲出點數的奇偶組合決定了結果。</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>選單和連結會在預設瀏覽器中開啟作者的網頁（線上說明、更新、捐款）；程式本身從不連網。關閉程式時，道別畫面會提供向朋友推薦本程式的表單：它會開啟作者網站上的一個網頁，網址中帶有您和朋友的姓名及電子郵件地址。程式每兩週詢問一次是否檢查更新。兩次執行之間，它只保存這次詢問的日期。</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>主視窗，準備擲四次骰子</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>「關於」對話方塊</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>關閉主視窗時顯示的道別畫面</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>骰子占卜</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>擲四次骰子，為您的問題求得一則占卜</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>骰子;占卜;算命;運勢;神諭;dice;oracle;fortune;</translation>
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
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>您充滿女性能量，樂於照顧他人。現在正是與內在自我連結的好時機。</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>您充滿男性能量，精力充沛，渴望實現自己的目標。現在正是將夢想付諸行動的好時機。</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>您對這項計畫的構想非常好。付諸實行吧，一定會成功。</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>也許有什麼問題阻礙了您前進。好好想一想，讓它恢復平衡，就能成功。</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>現在是集中所有力量的時候。保持耐心，您的努力終將開花結果。</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>在培養直覺的同時，也要鍛鍊思考中務實的一面。</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>您的直覺非常敏銳，但您的決定未必都切合實際。做重要決定之前，請三思而後行。</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>此刻您處於良好的平衡狀態。著手處理手邊的事情之前，先想清楚所有的好處。</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>想一想支配著您的各種力量。看看這些力量曾如何幫助過您，再據此做出決定。</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>您的願景即將實現，但並非一切順利。您需要更好地保持平衡。</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>您的基礎很穩固，但需要拓展自己的想法和視野。</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>培養您的直覺力。拋開所有恐懼和顧慮。一路向前，您會得到所需的一切幫助。</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>努力讓理智與心靈恰當結合，以完成您的工作。</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>如果不夠小心，您的計畫可能會落空。</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>您有穩固的基礎和開放的心態。拋開所有恐懼，勇敢追求遠大的目標。</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>您被憂慮和緊張壓得喘不過氣，已看不清自己的目標。擺脫這些憂慮，才能在人生中大放異彩。</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>您的姓名</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>您的電子郵件地址</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>朋友的姓名</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>朋友的電子郵件地址</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>您的留言</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>已擲次數：%n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>已擲次數：%n</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>擲骰子(&amp;R)</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>查看結果</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>擲骰子</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Cubomancer 正在執行。請關閉它，然後按一下「重試」。</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>此軟體可能有可用的更新。
是否要檢查更新？</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer 是一款簡單的占卜工具，幫助您找到日常問題的解決之道。</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>在家創業好機會！開創網路事業、線上賺錢，為您的網站打造本軟體的專屬品牌版本。</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>了解詳情</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>造訪 %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>按一下這裡立即造訪 Omenhall</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>推薦給朋友</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>立即推薦(&amp;N)</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>下載 Augury Softwares 軟體</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Augury Softwares »</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>像本軟體這樣的 Augury Softwares 程式，只有在您的支持下才能開發與維護。支持 Omenhall 的最好方式，就是經常造訪 Omenhall，參與論壇上的討論和其他活動。</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>請經常造訪 Omenhall，參與討論和其他活動來支持 Omenhall。沒有您的經常造訪，這些軟體就無法獲得支援與維護。</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall 是一個免費的線上論壇，討論一切神祕事物。請經常造訪 Omenhall，幫助它開發與維護本軟體。</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall 需要您的幫助。您只需經常造訪 Omenhall，參與各種討論和活動，就能幫助我們維護並開發更多 Augury Softwares 程式。</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>如果您喜歡這個軟體，一定也會對我們 Augury Softwares 的其他程式感興趣。我們從一款軟體起步，如今已發展成為全球最大的占卜軟體庫。無論是占星、通靈、塔羅、數字命理還是神祕學，我們在各個領域都有程式，讓使用者能依照興趣廣泛選擇。</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Augury Softwares 系列的所有程式都簡單易用，不僅好玩，內容也很豐富。今天就來試試，並與親朋好友分享您的體驗吧。 </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>電子郵件地址不能包含空格。</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>最受歡迎的神祕學線上論壇，一切神祕事物的最佳去處。立即造訪 Omenhall</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>擲骰子</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>想著眼前的問題，冥想片刻。接著睜開眼睛，按一下「擲骰子」。</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Cubomancer 占卜結果</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>推廣資訊</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>在家創業好機會！開創網路事業、線上賺錢，為您的網站打造本軟體的專屬品牌版本。按一下這裡了解詳情。</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>將本軟體與您的網站聯合品牌推廣，提高網站的使用者忠誠度和流量。您網站的名稱 &amp;&amp; 連結會顯示在這裡。詳見「說明」。按一下這裡了解聯合品牌詳情。</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>線上說明(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>造訪我們的網站(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>檢查軟體更新(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>關於本軟體(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>捐款(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>線上賺錢(&amp;O)</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>骰子，尚未擲出</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>骰子點數：%1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>程式已在執行中。</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>請輸入兩個不同的電子郵件地址。</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>請輸入有效的電子郵件地址。</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>請輸入您的姓名。</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>請輸入您的電子郵件地址。</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>請輸入您的留言。</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>請輸入朋友的姓名。</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>請輸入朋友的電子郵件地址。</translation>
    </message>
</context>
</TS>
