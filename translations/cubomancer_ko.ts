<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>주사위를 네 번 던져 점괘를 받아 보세요</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer는 작은 점술 장난감입니다. 고민을 떠올리고 버튼으로 주사위를 네 번 던지면 16가지 짧은 점괘 중 하나가 나옵니다. 던진 눈의 홀짝 패턴에 따라 점괘가 정해집니다.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>메뉴와 링크는 제작사의 웹 페이지(온라인 도움말, 업데이트, 기부)를 기본 브라우저에서 엽니다. 프로그램 자체는 네트워크에 전혀 연결하지 않습니다. 프로그램을 닫으면 나타나는 종료 화면에는 친구에게 프로그램을 추천하는 양식이 있으며, 이 양식은 사용자와 친구의 이름 및 이메일 주소를 URL에 담아 제작사 웹 사이트의 페이지를 엽니다. 2주에 한 번 업데이트를 확인할지 묻습니다. 실행과 실행 사이에 저장하는 것은 이 질문을 한 날짜뿐입니다.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>네 번 던질 준비가 된 기본 창</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>프로그램 정보 창</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>기본 창을 닫을 때 나타나는 종료 화면</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>주사위 점</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>주사위를 네 번 던져 고민에 대한 점괘를 받아 보세요</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>주사위;점;점괘;운세;점술;오라클;dice;oracle;fortune;</translation>
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
        <translation>예(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>아니요(&amp;N)</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>여성적인 에너지가 가득합니다. 다른 사람을 돌보려는 마음이 큽니다. 지금이 바로 내면의 자신과 마주할 때입니다.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>남성적인 에너지가 가득합니다. 힘이 넘치고 목표를 이루고 싶은 열망이 큽니다. 지금이 바로 꿈을 실행에 옮길 때입니다.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>계획에 대한 구상이 아주 훌륭합니다. 실행에 옮기면 틀림없이 성공할 것입니다.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>앞으로 나아가지 못하게 막는 문제가 있을지도 모릅니다. 그 문제를 곰곰이 생각하고 균형을 잡으면 성공할 수 있습니다.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>지금은 모든 노력을 하나로 모을 때입니다. 인내심을 가지면 노력이 결실을 맺을 것입니다.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>직관과 함께 현실적인 사고력도 키우세요.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>직관이 매우 강합니다. 하지만 모든 결정이 현실적이지는 않을 수 있습니다. 중요한 결정을 내리기 전에 한 번 더 신중히 생각하세요.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>지금은 균형이 잘 잡혀 있습니다. 눈앞의 일을 진행하기 전에 얻을 수 있는 이점을 모두 따져 보세요.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>자신을 지배하고 있는 모든 힘에 대해 생각해 보세요. 그 힘들이 어떻게 도움이 되었는지 살펴본 뒤 그에 맞게 결정을 내리세요.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>꿈꾸던 일이 이루어지기 직전입니다. 하지만 아직 모든 것이 순조롭지는 않습니다. 좀 더 균형을 잡아야 합니다.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>기반은 탄탄하지만 생각과 시야를 더 넓혀야 합니다.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>직관력을 키우세요. 모든 두려움과 망설임을 떨쳐 내세요. 앞으로 나아가면 필요한 도움을 모두 얻게 될 것입니다.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>이성과 정신의 조화를 잘 이루어 일을 끝까지 해내세요.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>아주 조심하지 않으면 계획이 무너질 수 있습니다.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>탄탄한 기반과 열린 마음을 갖추고 있습니다. 모든 두려움을 버리고 높은 꿈을 향해 나아가세요.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>걱정과 긴장에 파묻혀 목표를 잃어버렸습니다. 이런 걱정에서 벗어나 인생에서 크게 도약하세요.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>내 이름</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>내 이메일 주소</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>친구 이름</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>친구 이메일 주소</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>메시지</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>던진 횟수: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>던진 횟수: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>주사위 던지기(&amp;R)</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>결과 보기</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>주사위 던지기</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Cubomancer가 실행 중입니다. 프로그램을 닫은 다음 [다시 시도]를 선택하세요.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>이 소프트웨어의 업데이트가 있을 수 있습니다.
업데이트를 확인하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer는 일상의 고민에 대한 해답을 찾도록 도와주는 간단한 점술 도구입니다.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>재택 사업 기회! 인터넷으로 돈을 버세요. 이 소프트웨어를 내 사이트 브랜드로 제공해 보세요.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>자세히 보기</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>%1 방문하기</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>클릭하여 지금 Omenhall 방문하기</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>친구에게 추천하기</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>지금 추천하기(&amp;N)</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Augury Softwares 다운로드</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Augury Softwares »</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>이 프로그램과 같은 Augury Softwares 제품은 여러분의 지원이 있어야만 만들고 유지할 수 있습니다. Omenhall을 지원하는 가장 좋은 방법은 Omenhall을 자주 방문해 게시판의 토론과 여러 활동에 참여하는 것입니다.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Omenhall을 자주 방문하세요. 토론과 여러 활동에 참여해 Omenhall을 지원해 주세요. 여러분이 꾸준히 방문하지 않으면 이 프로그램들을 지원하고 유지할 수 없습니다.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall은 신비로운 모든 것을 이야기하는 무료 온라인 토론 포럼입니다. Omenhall이 이 소프트웨어를 개발하고 유지할 수 있도록 자주 방문해 주세요.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall에는 여러분의 도움이 필요합니다. Omenhall을 자주 방문해 다양한 토론과 활동에 참여하기만 하면 Augury Softwares 프로그램을 유지하고 더 많이 개발하는 데 도움이 됩니다.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>이 소프트웨어가 마음에 드셨다면 Augury Softwares의 다른 프로그램에도 분명 관심이 가실 겁니다. 프로그램 하나로 시작한 저희는 이제 세계 최대의 점술 소프트웨어 모음을 갖추게 되었습니다. 점성술, 심령, 타로, 수비학, 오컬트 등 모든 분야의 프로그램이 있어 관심사에 따라 폭넓게 고를 수 있습니다.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Augury Softwares의 모든 프로그램은 간단하고 사용하기 쉽습니다. 재미있을 뿐 아니라 유익하기도 합니다. 오늘 바로 사용해 보고 친구, 가족과 경험을 나눠 보세요. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>이메일 주소에는 공백을 넣을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>가장 인기 있는 신비주의 게시판. 신비에 관한 최고의 정보. 지금 Omenhall을 방문하세요</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>주사위 던지기</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>고민을 떠올리며 명상하세요. 그런 다음 눈을 뜨고 주사위를 던지세요.</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Cubomancer 점괘</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>뒤로(&amp;B)</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>광고</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>재택 사업 기회! 인터넷으로 돈을 버세요. 이 소프트웨어를 내 사이트 브랜드로 제공해 보세요. 자세한 내용은 여기를 클릭하세요.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>이 소프트웨어를 내 사이트와 공동 브랜딩해 단골 방문자와 트래픽을 늘리세요. 여기에 사이트 이름 &amp;&amp; 링크가 표시됩니다. 자세한 내용은 ‘도움말’을 참조하세요. 공동 브랜딩 자세히 알아보기</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>온라인 도움말(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>웹 사이트 방문(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>소프트웨어 업데이트 확인(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>프로그램 정보(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>기부(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>온라인으로 돈 벌기(&amp;O)</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>주사위, 아직 던지지 않음</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>주사위 눈: %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>프로그램이 이미 실행 중입니다.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>서로 다른 이메일 주소를 입력하세요.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>올바른 이메일 주소를 입력하세요.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>이름을 입력하세요.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>이메일 주소를 입력하세요.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>메시지를 입력하세요.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>친구 이름을 입력하세요.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>친구 이메일 주소를 입력하세요.</translation>
    </message>
</context>
</TS>
