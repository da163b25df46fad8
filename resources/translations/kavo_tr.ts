<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>Paused</source>
        <translation>Duraklatıldı</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>Yenilikler</translation>
    </message>
    <message>
        <source>This build of Kavo names no page with its changes.</source>
        <translation>Kavo&apos;nun bu derlemesinde değişiklikler sayfası tanımlı değil.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Web sitesi</translation>
    </message>
    <message>
        <source>This build of Kavo names no website.</source>
        <translation>Kavo&apos;nun bu derlemesinde web sitesi tanımlı değil.</translation>
    </message>
    <message>
        <source>This desktop cannot draw the mouse cursor in software: the cursor stays as it is.</source>
        <translation>Bu masaüstü fare imlecini yazılımla çizemiyor: imleç olduğu gibi kalır.</translation>
    </message>
</context>
<context>
    <name>ColorTriggers</name>
    <message>
        <source>Line %1 is not &quot;program = temperature brightness&quot;: %2</source>
        <translation>%1. satır “program = sıcaklık parlaklık” biçiminde değil: %2</translation>
    </message>
</context>
<context>
    <name>Cyclops</name>
    <message>
        <source>Restart your PC</source>
        <translation>Bilgisayarınızı yeniden başlatın</translation>
    </message>
    <message>
        <source>Kavo made a small change to enable lower values. You need to restart your PC once to unlock full functionality.</source>
        <translation>Kavo daha düşük değerlere izin vermek için küçük bir değişiklik yaptı. Tüm özellikleri kullanabilmek için bilgisayarınızı bir kez yeniden başlatmanız gerekiyor.</translation>
    </message>
    <message>
        <source>Some functionality is limited, because you need to Restart your PC. You are using High-level Color API right now.</source>
        <translation>Bilgisayarınızı yeniden başlatmanız gerektiği için bazı özellikler kısıtlı. Şu anda High-level Color API kullanılıyor.</translation>
    </message>
</context>
<context>
    <name>DebugConsoleWindow</name>
    <message>
        <source>Copy all</source>
        <translation>Tümünü kopyala</translation>
    </message>
</context>
<context>
    <name>DebugInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>METNİ PANOYA KOPYALAMAK İÇİN TIKLAYIN</translation>
    </message>
</context>
<context>
    <name>MagnificationApi</name>
    <message>
        <source>Kavo Color Effects</source>
        <translation>Kavo Renk Efektleri</translation>
    </message>
    <message>
        <source>Failed to initialize color effects.</source>
        <translation>Renk efektleri başlatılamadı.</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>ScheduleText</name>
    <message>
        <source>sec</source>
        <translation>sn</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>sa</translation>
    </message>
    <message>
        <source>min</source>
        <translation>dk</translation>
    </message>
</context>
<context>
    <name>TaskbarButton</name>
    <message>
        <source>Work/Break</source>
        <translation>Çalışma/Mola</translation>
    </message>
    <message>
        <source>Reset timer</source>
        <translation>Zamanlayıcıyı sıfırla</translation>
    </message>
    <message>
        <source>Pause/Resume</source>
        <translation>Duraklat/Sürdür</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>Zamanlayıcı duraklatıldı</translation>
    </message>
</context>
<context>
    <name>TransitionTimesInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>METNİ PANOYA KOPYALAMAK İÇİN TIKLAYIN</translation>
    </message>
    <message>
        <source>Detected current Clock time</source>
        <translation>Algılanan geçerli saat</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Yerel saat</translation>
    </message>
    <message>
        <source>UTC time</source>
        <translation>UTC saati</translation>
    </message>
    <message>
        <source>Day start time</source>
        <translation>Gündüz başlangıcı</translation>
    </message>
    <message>
        <source>Day transition start time</source>
        <translation>Gündüze geçiş başlangıcı</translation>
    </message>
    <message>
        <source>Day transition end time</source>
        <translation>Gündüze geçiş bitişi</translation>
    </message>
    <message>
        <source>Day end time</source>
        <translation>Gündüz bitişi</translation>
    </message>
    <message>
        <source>Night start time</source>
        <translation>Gece başlangıcı</translation>
    </message>
    <message>
        <source>Night transition start time</source>
        <translation>Geceye geçiş başlangıcı</translation>
    </message>
    <message>
        <source>Night transition end time</source>
        <translation>Geceye geçiş bitişi</translation>
    </message>
    <message>
        <source>Night end time</source>
        <translation>Gece bitişi</translation>
    </message>
    <message>
        <source>Day duration</source>
        <translation>Gündüz süresi</translation>
    </message>
    <message>
        <source>Day transition duration</source>
        <translation>Gündüze geçiş süresi</translation>
    </message>
    <message>
        <source>Night duration</source>
        <translation>Gece süresi</translation>
    </message>
    <message>
        <source>Night transition duration</source>
        <translation>Geceye geçiş süresi</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Saat dilimi</translation>
    </message>
    <message>
        <source>Custom Time zone offset</source>
        <translation>Özel saat dilimi farkı</translation>
    </message>
    <message>
        <source>Sunrise time</source>
        <translation>Gün doğumu</translation>
    </message>
    <message>
        <source>Sunset time</source>
        <translation>Gün batımı</translation>
    </message>
    <message>
        <source>New moon offset</source>
        <translation>Yeni ay kayması</translation>
    </message>
    <message>
        <source>Full moon offset</source>
        <translation>Dolunay kayması</translation>
    </message>
    <message>
        <source>Current moon offset</source>
        <translation>Geçerli ay kayması</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>Yatma saati</translation>
    </message>
    <message>
        <source>Bedtime transition start time</source>
        <translation>Yatma saatine geçiş başlangıcı</translation>
    </message>
    <message>
        <source>Bedtime transition end time</source>
        <translation>Yatma saatine geçiş bitişi</translation>
    </message>
    <message>
        <source>Bedtime end time</source>
        <translation>Uyku döneminin bitişi</translation>
    </message>
    <message>
        <source>Wake time</source>
        <translation>Uyanma saati</translation>
    </message>
    <message>
        <source>Wake time transition start time</source>
        <translation>Uyanma saatine geçiş başlangıcı</translation>
    </message>
    <message>
        <source>Wake time transition end time</source>
        <translation>Uyanma saatine geçiş bitişi</translation>
    </message>
    <message>
        <source>Wake time end time</source>
        <translation>Uyanık dönemin bitişi</translation>
    </message>
    <message>
        <source>Sleep duration</source>
        <translation>Uyku süresi</translation>
    </message>
    <message>
        <source>Sleep transition duration</source>
        <translation>Uyku geçişi süresi</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Enlem</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Boylam</translation>
    </message>
    <message>
        <source>Use Automatic Location</source>
        <translation>Otomatik konum</translation>
    </message>
    <message>
        <source>Use Manual Night Duration</source>
        <translation>Manuel gece süresi</translation>
    </message>
</context>
<context>
    <name>Translator</name>
    <message>
        <source>Loading...</source>
        <translation>Yükleniyor...</translation>
    </message>
    <message>
        <source>Location unknown: set it by hand</source>
        <translation>Konum bilinmiyor: elle ayarlayın</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>Yeni sürüm var</translation>
    </message>
    <message>
        <source>Kavo %1 is available</source>
        <translation>Kavo %1 yayımlandı</translation>
    </message>
    <message>
        <source>This build of Kavo names no update server</source>
        <translation>Kavo&apos;nun bu derlemesinde güncelleme sunucusu tanımlı değil</translation>
    </message>
    <message>
        <source>No answer from the update server</source>
        <translation>Güncelleme sunucusundan yanıt yok</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read</source>
        <translation>Güncelleme sunucusunun yanıtı okunamadı</translation>
    </message>
    <message>
        <source>Kavo is up to date</source>
        <translation>Kavo güncel</translation>
    </message>
    <message>
        <source>100 % leaves colours as they are; 0 % is grey.</source>
        <translation>100 % renkleri olduğu gibi bırakır; 0 % gridir.</translation>
    </message>
    <message>
        <source>A cursor drawn in software takes on the screen colours.</source>
        <translation>Yazılımla çizilen imleç ekranın renklerini alır.</translation>
    </message>
    <message>
        <source>A window with Kavo&apos;s log as it is written. Click again to close it.</source>
        <translation>Kavo&apos;nun günlüğünü yazıldığı anda gösteren bir pencere. Kapatmak için yeniden tıklayın.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Achromatomaly</source>
        <translation>Akromatomali</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>Akromatopsi</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Gelişmiş</translation>
    </message>
    <message>
        <source>Allows values from 0 K (deep red) to 10000 K (cold blue).</source>
        <translation>0 K (koyu kırmızı) ile 10000 K (soğuk mavi) arasındaki değerlere izin verir.</translation>
    </message>
    <message>
        <source>Allows values from 10 % to 150 %.</source>
        <translation>10 % ile 150 % arasındaki değerlere izin verir.</translation>
    </message>
    <message>
        <source>Apply the saturation above.</source>
        <translation>Yukarıdaki doygunluğu uygula.</translation>
    </message>
    <message>
        <source>Ask the update server once, whatever the settings above.</source>
        <translation>Yukarıdaki ayarlardan bağımsız olarak güncelleme sunucusuna bir kez sor.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Otomatik</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Otomatik Güncellemeler</translation>
    </message>
    <message>
        <source>Autosave settings changes</source>
        <translation>Ayar değişikliklerini otomatik kaydet</translation>
    </message>
    <message>
        <source>Bedtime:</source>
        <translation>Yatma saati:</translation>
    </message>
    <message>
        <source>Biohacker</source>
        <translation>Biohacker</translation>
    </message>
    <message>
        <source>Block keyboard on strict mode</source>
        <translation>Katı molalarda klavyeyi kilitle</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Mavi</translation>
    </message>
    <message>
        <source>Blue light</source>
        <translation>Mavi ışık</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Parlaklık</translation>
    </message>
    <message>
        <source>Brightness after sunset. A dimmer screen strains the eyes less in a dark room.</source>
        <translation>Gün batımından sonraki parlaklık. Karanlık bir odada daha loş bir ekran gözleri daha az yorar.</translation>
    </message>
    <message>
        <source>Brightness in daylight, in percent of the full screen brightness.</source>
        <translation>Gün ışığındaki parlaklık, ekranın tam parlaklığının yüzdesi olarak.</translation>
    </message>
    <message>
        <source>Brightness of the sleep period.</source>
        <translation>Uyku dönemindeki parlaklık.</translation>
    </message>
    <message>
        <source>Build this window only when it is first opened, which saves memory and start-up time.</source>
        <translation>Bu pencereyi yalnızca ilk açıldığında oluştur; bellekten ve başlangıç süresinden tasarruf sağlar.</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Değiştir</translation>
    </message>
    <message>
        <source>Change every new colour ramp a little, so that a display driver that ignores a repeated ramp takes Kavo&apos;s colours again, for instance after a game reset them.</source>
        <translation>Her yeni gama eğrisini biraz değiştir; böylece tekrarlanan bir eğriyi yok sayan ekran sürücüsü, örneğin bir oyun renkleri sıfırladıktan sonra, Kavo&apos;nun renklerini yeniden alır.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Güncellemeleri denetle</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Şimdi denetle</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Sayfaları seç</translation>
    </message>
    <message>
        <source>Choose the monitors Kavo changes, and whether each has colours of its own.</source>
        <translation>Kavo&apos;nun değiştireceği monitörleri ve her birinin kendi renklerine sahip olup olmayacağını seçin.</translation>
    </message>
    <message>
        <source>ClearType</source>
        <translation>ClearType</translation>
    </message>
    <message>
        <source>ClearType with alternative renderer</source>
        <translation>Alternatif işleyicili ClearType</translation>
    </message>
    <message>
        <source>Click to copy the text to the clipboard</source>
        <translation>Metni panoya kopyalamak için tıklayın</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Closing the window hides it instead of minimising it.</source>
        <translation>Pencereyi kapatmak onu simge durumuna küçültmek yerine gizler.</translation>
    </message>
    <message>
        <source>Color Scheme</source>
        <translation>Renk Şeması</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>Renk Sıcaklığı</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Renkler</translation>
    </message>
    <message>
        <source>Colour temperature after sunset. Warm light in the evening is kinder to your sleep.</source>
        <translation>Gün batımından sonraki renk sıcaklığı. Akşamları sıcak ışık uykunuzu daha az bozar.</translation>
    </message>
    <message>
        <source>Colour temperature in daylight. 6500 K is neutral; lower values are warmer and hold less blue light.</source>
        <translation>Gün ışığındaki renk sıcaklığı. 6500 K nötrdür; daha düşük değerler daha sıcaktır ve daha az mavi ışık içerir.</translation>
    </message>
    <message>
        <source>Colour temperature of the sleep period.</source>
        <translation>Uyku dönemindeki renk sıcaklığı.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Özel</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Karanlık</translation>
    </message>
    <message>
        <source>Day Brightness</source>
        <translation>Gündüz Parlaklığı</translation>
    </message>
    <message>
        <source>Day Light</source>
        <translation>Gündüz Işığı</translation>
    </message>
    <message>
        <source>Day Temperature</source>
        <translation>Gündüz Sıcaklığı</translation>
    </message>
    <message>
        <source>Day Transition:</source>
        <translation>Gündüze Geçiş:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Hata Ayıklama</translation>
    </message>
    <message>
        <source>Debug console</source>
        <translation>Hata ayıklama konsolu</translation>
    </message>
    <message>
        <source>Debug information</source>
        <translation>Hata ayıklama bilgileri</translation>
    </message>
    <message>
        <source>Degrees east; negative in the west.</source>
        <translation>Doğu yönünde derece; batıda negatif.</translation>
    </message>
    <message>
        <source>Degrees north; negative in the south.</source>
        <translation>Kuzey yönünde derece; güneyde negatif.</translation>
    </message>
    <message>
        <source>Desaturated</source>
        <translation>Soluk</translation>
    </message>
    <message>
        <source>Deuteranomaly</source>
        <translation>Döteranomali</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Döteranopi</translation>
    </message>
    <message>
        <source>During strict breaks the keyboard does nothing.</source>
        <translation>Katı molalar sırasında klavye çalışmaz.</translation>
    </message>
    <message>
        <source>Each step enlarges the screen a little more.</source>
        <translation>Her adım ekranı biraz daha büyütür.</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Her</translation>
    </message>
    <message>
        <source>Every language is named in its own words.</source>
        <translation>Her dil kendi dilindeki adıyla gösterilir.</translation>
    </message>
    <message>
        <source>Extended values</source>
        <translation>Genişletilmiş değerler</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Yazı Tipleri</translation>
    </message>
    <message>
        <source>Fonts type</source>
        <translation>Yazı tipi yumuşatma</translation>
    </message>
    <message>
        <source>Full Moon offset:</source>
        <translation>Dolunay kayması:</translation>
    </message>
    <message>
        <source>Full-screen colour filters: grey scales, inversions, sepia and colour-vision filters.</source>
        <translation>Tam ekran renk filtreleri: gri tonlamalar, ters çevirmeler, sepya ve renk körlüğü filtreleri.</translation>
    </message>
    <message>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation>Oyun</translation>
    </message>
    <message>
        <source>Give every monitor its own temperature and brightness; choose the monitor with the tabs above.</source>
        <translation>Her monitör kendi sıcaklığını ve parlaklığını kullanır; monitörü yukarıdaki sekmelerden seçin.</translation>
    </message>
    <message>
        <source>Grayclase Red</source>
        <translation>Kırmızılı Gri Tonlama</translation>
    </message>
    <message>
        <source>Grayscale 1</source>
        <translation>Gri Tonlama 1</translation>
    </message>
    <message>
        <source>Grayscale 2</source>
        <translation>Gri Tonlama 2</translation>
    </message>
    <message>
        <source>Grayscale 3</source>
        <translation>Gri Tonlama 3</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Yeşil</translation>
    </message>
    <message>
        <source>Groot</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Sağlık</translation>
    </message>
    <message>
        <source>Hide Taskbar icon on close</source>
        <translation>Kapatınca görev çubuğu simgesini gizle</translation>
    </message>
    <message>
        <source>How Kavo fits into your desktop.</source>
        <translation>Kavo&apos;nun masaüstünüze nasıl uyum sağladığı.</translation>
    </message>
    <message>
        <source>How Kavo keeps its colours on the screen.</source>
        <translation>Kavo&apos;nun renklerini ekranda nasıl koruduğu.</translation>
    </message>
    <message>
        <source>How Kavo keeps your settings and notices that you are away.</source>
        <translation>Kavo&apos;nun ayarlarınızı nasıl sakladığı ve uzakta olduğunuzu nasıl fark ettiği.</translation>
    </message>
    <message>
        <source>How a colour temperature turns into screen colours.</source>
        <translation>Bir renk sıcaklığının ekran renklerine nasıl dönüştüğü.</translation>
    </message>
    <message>
        <source>How bright the screen is by day and by night.</source>
        <translation>Ekranın gündüz ve gece ne kadar parlak olduğu.</translation>
    </message>
    <message>
        <source>How long colours glide when Kavo pauses, resumes or changes mode or type.</source>
        <translation>Kavo duraklarken, sürerken ya da mod veya tür değiştirirken renklerin ne kadar sürede yumuşakça geçtiği.</translation>
    </message>
    <message>
        <source>How long the change into day takes: centred on sunrise, or ending when the night ends by the clock.</source>
        <translation>Gündüze geçişin ne kadar sürdüğü: gün doğumu ortada olacak şekilde ya da saate göre gecenin bittiği anda bitecek şekilde.</translation>
    </message>
    <message>
        <source>How long the change into night takes: centred on sunset, or ending when the night starts by the clock.</source>
        <translation>Geceye geçişin ne kadar sürdüğü: gün batımı ortada olacak şekilde ya da saate göre gecenin başladığı anda bitecek şekilde.</translation>
    </message>
    <message>
        <source>How long the changes into and out of the sleep period take; they end at bedtime and at wake time.</source>
        <translation>Uyku dönemine giriş ve çıkış geçişlerinin ne kadar sürdüğü; yatma saatinde ve uyanma saatinde biterler.</translation>
    </message>
    <message>
        <source>How much blue light the screen gives off by day and by night.</source>
        <translation>Ekranın gündüz ve gece ne kadar mavi ışık yaydığı.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at full moon.</source>
        <translation>Dolunayda gece ve gündüzün ne kadar erken başladığı.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at new moon.</source>
        <translation>Yeni ayda gece ve gündüzün ne kadar erken başladığı.</translation>
    </message>
    <message>
        <source>How often a running Kavo looks again.</source>
        <translation>Çalışan Kavo&apos;nun ne sıklıkla yeniden denetleyeceği.</translation>
    </message>
    <message>
        <source>How slowly the colours change between day, night and sleep.</source>
        <translation>Renklerin gündüz, gece ve uyku arasında ne kadar yavaş değiştiği.</translation>
    </message>
    <message>
        <source>How the system smooths the edges of text.</source>
        <translation>Sistemin metin kenarlarını nasıl yumuşattığı.</translation>
    </message>
    <message>
        <source>Invert colors</source>
        <translation>Renkleri ters çevir</translation>
    </message>
    <message>
        <source>Kavo</source>
        <translation>Kavo</translation>
    </message>
    <message>
        <source>Kavo can look for a new version and tell you when one is out.</source>
        <translation>Kavo yeni sürüm arayabilir ve yayımlandığında size haber verebilir.</translation>
    </message>
    <message>
        <source>Kavo follows the sun at your location. Without a location of your own it looks one up.</source>
        <translation>Kavo bulunduğunuz yerdeki güneşi izler. Kendi konumunuzu girmezseniz konumu kendisi bulur.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and needs to relaunch for them to take effect.</source>
        <translation>Kavo sisteminizde bazı değişiklikler yaptı ve bunların etkili olması için yeniden açılması gerekiyor.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and restart is needed for changes to take effect.</source>
        <translation>Kavo sisteminizde bazı değişiklikler yaptı ve bunların etkili olması için yeniden başlatma gerekiyor.</translation>
    </message>
    <message>
        <source>Kavo takes care of your eyes: kinder colours at night and reminders to rest.</source>
        <translation>Kavo gözlerinize özen gösterir: geceleri daha yumuşak renkler ve mola hatırlatmaları.</translation>
    </message>
    <message>
        <source>Kavo&apos;s version, your system and desktop, and every setting. Click the text to copy it.</source>
        <translation>Kavo&apos;nun sürümü, sisteminiz ve masaüstünüz ile tüm ayarlar. Kopyalamak için metne tıklayın.</translation>
    </message>
    <message>
        <source>Keep the night brightness all the time instead of following the sun.</source>
        <translation>Güneşi izlemek yerine gece parlaklığını sürekli kullan.</translation>
    </message>
    <message>
        <source>Keep the night value all the time instead of following the sun.</source>
        <translation>Güneşi izlemek yerine gece değerini sürekli kullan.</translation>
    </message>
    <message>
        <source>Keeps Kavo light while it waits in the background.</source>
        <translation>Kavo&apos;nun arka planda beklerken sistemi az yormasını sağlar.</translation>
    </message>
    <message>
        <source>Key presses count as presence: the break timer stops after about 20 minutes without them and starts again when you are back.</source>
        <translation>Tuş basışları varlık sayılır: tuşa basılmadan yaklaşık 20 dakika geçince mola zamanlayıcısı durur ve döndüğünüzde yeniden başlar.</translation>
    </message>
    <message>
        <source>Keyboard inactivity</source>
        <translation>Klavye hareketsizliği</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Daha sonra</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Enlem:</translation>
    </message>
    <message>
        <source>Leading Color</source>
        <translation>Baskın Renk</translation>
    </message>
    <message>
        <source>Let Kavo set the frequency above.</source>
        <translation>Yukarıdaki frekansı Kavo ayarlasın.</translation>
    </message>
    <message>
        <source>Let Kavo tell you when a new version is out.</source>
        <translation>Yeni sürüm yayımlandığında Kavo size haber versin.</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Doğrusal</translation>
    </message>
    <message>
        <source>Linear Blue</source>
        <translation>Doğrusal Mavi</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Boylam:</translation>
    </message>
    <message>
        <source>Look for a new version when Kavo starts, and then regularly. Saved with the other settings.</source>
        <translation>Kavo başlarken ve ardından düzenli olarak yeni sürüm ara. Diğer ayarlarla birlikte kaydedilir.</translation>
    </message>
    <message>
        <source>Look now</source>
        <translation>Şimdi ara</translation>
    </message>
    <message>
        <source>Magmus</source>
        <translation>Magmus</translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation>Büyüteç</translation>
    </message>
    <message>
        <source>Manage monitors</source>
        <translation>Monitörleri yönet</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Manual Brightness</source>
        <translation>Manuel Parlaklık</translation>
    </message>
    <message>
        <source>Manual blue light</source>
        <translation>Manuel mavi ışık</translation>
    </message>
    <message>
        <source>Manual color settings</source>
        <translation>Manuel renk ayarları</translation>
    </message>
    <message>
        <source>Manual location</source>
        <translation>Manuel konum</translation>
    </message>
    <message>
        <source>Manual night duration</source>
        <translation>Manuel gece süresi</translation>
    </message>
    <message>
        <source>Many screens dim their backlight by switching it on and off very fast (PWM). A higher frequency flickers less.</source>
        <translation>Birçok ekran arka ışığını çok hızlı açıp kapatarak kısar (PWM). Daha yüksek frekans daha az titreşir.</translation>
    </message>
    <message>
        <source>Max Frequency</source>
        <translation>En Yüksek Frekans</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Simge durumuna küçült</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Monitor 1</source>
        <translation>Monitör 1</translation>
    </message>
    <message>
        <source>Monitor 2</source>
        <translation>Monitör 2</translation>
    </message>
    <message>
        <source>Monitor 3</source>
        <translation>Monitör 3</translation>
    </message>
    <message>
        <source>Monitor 4</source>
        <translation>Monitör 4</translation>
    </message>
    <message>
        <source>Monitor 5</source>
        <translation>Monitör 5</translation>
    </message>
    <message>
        <source>Monitor 6</source>
        <translation>Monitör 6</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Mouse inactivity</source>
        <translation>Fare hareketsizliği</translation>
    </message>
    <message>
        <source>Mouse movement counts as presence: the break timer stops after about 20 minutes without it and starts again when you are back.</source>
        <translation>Fare hareketi varlık sayılır: fare hareket etmeden yaklaşık 20 dakika geçince mola zamanlayıcısı durur ve döndüğünüzde yeniden başlar.</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>Mutes or strengthens the colours of the whole screen.</source>
        <translation>Tüm ekranın renklerini soldurur ya da canlandırır.</translation>
    </message>
    <message>
        <source>Negative Grayclased Red</source>
        <translation>Negatif Kırmızılı Gri Tonlama</translation>
    </message>
    <message>
        <source>Negative Grayscale</source>
        <translation>Negatif Gri Tonlama</translation>
    </message>
    <message>
        <source>Negative Sepia</source>
        <translation>Negatif Sepya</translation>
    </message>
    <message>
        <source>New Moon offset:</source>
        <translation>Yeni ay kayması:</translation>
    </message>
    <message>
        <source>News, help and the latest version.</source>
        <translation>Haberler, yardım ve en son sürüm.</translation>
    </message>
    <message>
        <source>Night Brightness</source>
        <translation>Gece Parlaklığı</translation>
    </message>
    <message>
        <source>Night Light</source>
        <translation>Gece Işığı</translation>
    </message>
    <message>
        <source>Night Temperature</source>
        <translation>Gece Sıcaklığı</translation>
    </message>
    <message>
        <source>Night Transition:</source>
        <translation>Geceye Geçiş:</translation>
    </message>
    <message>
        <source>Night ends at:</source>
        <translation>Gece bitişi:</translation>
    </message>
    <message>
        <source>Night starts at:</source>
        <translation>Gece başlangıcı:</translation>
    </message>
    <message>
        <source>No smoothing</source>
        <translation>Yumuşatma yok</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Noted in the transition times below; the sun schedule itself follows your system&apos;s time zone.</source>
        <translation>Aşağıdaki geçiş saatlerinde gösterilir; güneş takviminin kendisi sisteminizin saat dilimine uyar.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>Olaf</source>
        <translation>Olaf</translation>
    </message>
    <message>
        <source>Old Photo</source>
        <translation>Eski Fotoğraf</translation>
    </message>
    <message>
        <source>Open or close</source>
        <translation>Aç veya kapat</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Web sitesini aç</translation>
    </message>
    <message>
        <source>Optimize UI Creation</source>
        <translation>Arayüz oluşturmayı iyileştir</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Kaplama</translation>
    </message>
    <message>
        <source>PWM Control</source>
        <translation>PWM Denetimi</translation>
    </message>
    <message>
        <source>PWM Frequency</source>
        <translation>PWM Frekansı</translation>
    </message>
    <message>
        <source>PWM control</source>
        <translation>PWM denetimi</translation>
    </message>
    <message>
        <source>Pause Transition:</source>
        <translation>Duraklatma Geçişi:</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Duraklatıldı</translation>
    </message>
    <message>
        <source>Per Monitor Settings</source>
        <translation>Monitör Başına Ayarlar</translation>
    </message>
    <message>
        <source>Preview 24 hours</source>
        <translation>24 saati önizle</translation>
    </message>
    <message>
        <source>Productive</source>
        <translation>Üretken</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programlama</translation>
    </message>
    <message>
        <source>Protanomaly</source>
        <translation>Protanomali</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Protanopi</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Okuma</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Kırmızı</translation>
    </message>
    <message>
        <source>Relaunch is needed</source>
        <translation>Kavo&apos;nun yeniden açılması gerekiyor</translation>
    </message>
    <message>
        <source>Relaunch now</source>
        <translation>Şimdi yeniden aç</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>Restart is needed</source>
        <translation>Yeniden başlatma gerekiyor</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Şimdi yeniden başlat</translation>
    </message>
    <message>
        <source>Revert colors</source>
        <translation>Renkleri geri al</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Doygunluk</translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation>Kaydet ve kapat</translation>
    </message>
    <message>
        <source>Save changes when the window closes. Without it, closing the window brings back the saved settings.</source>
        <translation>Pencere kapanırken değişiklikleri kaydet. Bu seçenek kapalıyken pencereyi kapatmak kaydedilmiş ayarları geri getirir.</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Takvim</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Ekran</translation>
    </message>
    <message>
        <source>Screen effect</source>
        <translation>Ekran efekti</translation>
    </message>
    <message>
        <source>Screen effects</source>
        <translation>Ekran efektleri</translation>
    </message>
    <message>
        <source>Send usage statistics</source>
        <translation>Kullanım istatistiklerini gönder</translation>
    </message>
    <message>
        <source>Sephia</source>
        <translation>Sepya</translation>
    </message>
    <message>
        <source>Set the frequency again with every colour update, for screens that lose it.</source>
        <translation>Frekansı kaybeden ekranlar için her renk güncellemesinde frekansı yeniden ayarla.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>Değişiklikleri göster</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Basit</translation>
    </message>
    <message>
        <source>Simple Inversion</source>
        <translation>Basit Ters Çevirme</translation>
    </message>
    <message>
        <source>Simple view</source>
        <translation>Basit görünüm</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Uyku</translation>
    </message>
    <message>
        <source>Sleep Brightness</source>
        <translation>Uyku Parlaklığı</translation>
    </message>
    <message>
        <source>Sleep Light</source>
        <translation>Uyku Işığı</translation>
    </message>
    <message>
        <source>Sleep Transition:</source>
        <translation>Uyku Geçişi:</translation>
    </message>
    <message>
        <source>Smart Inversion 1</source>
        <translation>Akıllı Ters Çevirme 1</translation>
    </message>
    <message>
        <source>Smart Inversion 2</source>
        <translation>Akıllı Ters Çevirme 2</translation>
    </message>
    <message>
        <source>Smart Inversion 3</source>
        <translation>Akıllı Ters Çevirme 3</translation>
    </message>
    <message>
        <source>Smart Inversion 4</source>
        <translation>Akıllı Ters Çevirme 4</translation>
    </message>
    <message>
        <source>Smart Inversion 5</source>
        <translation>Akıllı Ters Çevirme 5</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standart</translation>
    </message>
    <message>
        <source>Start Kavo on startup</source>
        <translation>Kavo&apos;yu sistemle birlikte başlat</translation>
    </message>
    <message>
        <source>Start Kavo when you log in.</source>
        <translation>Oturum açtığınızda Kavo&apos;yu başlat.</translation>
    </message>
    <message>
        <source>Start and end the night by the clock instead of by the sun.</source>
        <translation>Geceyi güneşe göre değil, saate göre başlat ve bitir.</translation>
    </message>
    <message>
        <source>Steps back until the screen is at its normal size.</source>
        <translation>Ekran normal boyutuna dönene kadar adım adım küçültür.</translation>
    </message>
    <message>
        <source>Strict</source>
        <translation>Katı</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Güneş gözlüğü</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>Renk Takası</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>The changes in this version of Kavo.</source>
        <translation>Kavo&apos;nun bu sürümündeki değişiklikler.</translation>
    </message>
    <message>
        <source>The colour temperature of the screen by day and by night, and inverted colours.</source>
        <translation>Ekranın gündüz ve gece renk sıcaklığı ile ters çevrilmiş renkler.</translation>
    </message>
    <message>
        <source>The colour that stays strongest at warm temperatures.</source>
        <translation>Sıcak sıcaklıklarda en güçlü kalan renk.</translation>
    </message>
    <message>
        <source>The filter laid over the whole screen.</source>
        <translation>Tüm ekranın üzerine uygulanan filtre.</translation>
    </message>
    <message>
        <source>The frequency Kavo sets while PWM Control is on. Ask your screen&apos;s maker which frequencies it supports.</source>
        <translation>PWM Denetimi açıkken Kavo&apos;nun ayarladığı frekans. Ekranınızın hangi frekansları desteklediğini üreticisine sorun.</translation>
    </message>
    <message>
        <source>The highest frequency the slider offers, in hertz.</source>
        <translation>Kaydırıcının sunduğu en yüksek frekans, hertz cinsinden.</translation>
    </message>
    <message>
        <source>The language of Kavo&apos;s windows, menus and messages.</source>
        <translation>Kavo&apos;nun pencerelerinin, menülerinin ve iletilerinin dili.</translation>
    </message>
    <message>
        <source>The moon moves the sun schedule: night and day begin earlier by an offset that goes from the new moon value to the full moon value as the moon fills.</source>
        <translation>Ay, güneş takvimini kaydırır: gece ve gündüz, ay doldukça yeni ay değerinden dolunay değerine giden bir kayma kadar erken başlar.</translation>
    </message>
    <message>
        <source>The sleep period ends here.</source>
        <translation>Uyku dönemi burada biter.</translation>
    </message>
    <message>
        <source>The sleep period starts here.</source>
        <translation>Uyku dönemi burada başlar.</translation>
    </message>
    <message>
        <source>The table of colours Kavo follows from warm to cold.</source>
        <translation>Kavo&apos;nun sıcaktan soğuğa izlediği renk tablosu.</translation>
    </message>
    <message>
        <source>This screen offers Kavo no PWM control: the companion program kavo_get_pwm_frequency is missing or reports no frequency.</source>
        <translation>Bu ekran Kavo&apos;ya PWM denetimi sunmuyor: yardımcı program kavo_get_pwm_frequency eksik ya da frekans bildirmiyor.</translation>
    </message>
    <message>
        <source>This desktop offers Kavo no backlight: the screen&apos;s brightness stays as it is.</source>
        <translation>Bu masaüstü Kavo&apos;ya arka ışık denetimi sunmuyor: ekranın parlaklığı olduğu gibi kalır.</translation>
    </message>
    <message>
        <source>This desktop&apos;s night light shows only the colour temperature: colour schemes, the leading colour and screen effects need gamma ramps.</source>
        <translation>Bu masaüstünün gece ışığı yalnızca renk sıcaklığını gösterir: renk şemaları, baskın renk ve ekran efektleri gama tablolarına ihtiyaç duyar.</translation>
    </message>
    <message>
        <source>Time zone offset:</source>
        <translation>Saat dilimi farkı:</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Zamanlayıcı</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Geçiş</translation>
    </message>
    <message>
        <source>Tritanomaly</source>
        <translation>Tritanomali</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>Tritanopi</translation>
    </message>
    <message>
        <source>Turn the chosen filter on or off.</source>
        <translation>Seçilen filtreyi aç veya kapat.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Update continuously</source>
        <translation>Sürekli güncelle</translation>
    </message>
    <message>
        <source>Use Advanced Settings</source>
        <translation>Gelişmiş ayarları kullan</translation>
    </message>
    <message>
        <source>Use Gamma Fixer</source>
        <translation>Gama düzelticiyi kullan</translation>
    </message>
    <message>
        <source>Use software mouse cursor</source>
        <translation>Yazılımsal fare imleci kullan</translation>
    </message>
    <message>
        <source>Use the coordinates below instead of the looked-up location.</source>
        <translation>Bulunan konum yerine aşağıdaki koordinatları kullan.</translation>
    </message>
    <message>
        <source>Use the sleep colours between bedtime and wake time.</source>
        <translation>Yatma saati ile uyanma saati arasında uyku renklerini kullan.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>Wake time:</source>
        <translation>Uyanma saati:</translation>
    </message>
    <message>
        <source>Warmer, dimmer colours for the hours before you go to bed.</source>
        <translation>Yatmadan önceki saatler için daha sıcak ve daha loş renkler.</translation>
    </message>
    <message>
        <source>Washout 1</source>
        <translation>Ağartma 1</translation>
    </message>
    <message>
        <source>Washout 2</source>
        <translation>Ağartma 2</translation>
    </message>
    <message>
        <source>Washout 3</source>
        <translation>Ağartma 3</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Web sitesi</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>Yenilikler</translation>
    </message>
    <message>
        <source>What to send with a request for help. Nothing leaves your computer unless you send it.</source>
        <translation>Yardım isterken gönderilecek bilgiler. Siz göndermedikçe hiçbir şey bilgisayarınızdan çıkmaz.</translation>
    </message>
    <message>
        <source>Where Kavo computes sunrise and sunset for.</source>
        <translation>Kavo&apos;nun gün doğumunu ve gün batımını hesapladığı yer.</translation>
    </message>
    <message>
        <source>Where the desktop decides font smoothing itself, this choice has no effect.</source>
        <translation>Yazı tipi yumuşatmaya masaüstünün kendisi karar veriyorsa bu seçimin etkisi olmaz.</translation>
    </message>
    <message>
        <source>Which pages and windows you open, each time under a new random number, never your name or address. Only when this build of Kavo names a statistics address.</source>
        <translation>Hangi sayfaları ve pencereleri açtığınız; her seferinde yeni bir rastgele numarayla, asla adınız ya da adresinizle değil. Yalnızca Kavo&apos;nun bu derlemesinde bir istatistik adresi tanımlıysa.</translation>
    </message>
    <message>
        <source>Zoom In:</source>
        <translation>Yakınlaştır:</translation>
    </message>
    <message>
        <source>Zoom Out:</source>
        <translation>Uzaklaştır:</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Yakınlaştır</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Uzaklaştır</translation>
    </message>
    <message>
        <source>Zooms the whole screen around the mouse pointer.</source>
        <translation>Tüm ekranı fare işaretçisinin çevresinde yakınlaştırır.</translation>
    </message>
    <message>
        <source>day</source>
        <translation>gün</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>gizli</translation>
    </message>
    <message>
        <source>month</source>
        <translation>ay</translation>
    </message>
    <message>
        <source>per minute</source>
        <translation>dakika başına</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>mola</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>görünür</translation>
    </message>
    <message>
        <source>until</source>
        <translation>sonra</translation>
    </message>
    <message>
        <source>week</source>
        <translation>hafta</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>A minute of exercises, shown step by step in the corner of your screen.</source>
        <translation>Ekranınızın köşesinde adım adım gösterilen bir dakikalık egzersizler.</translation>
    </message>
    <message>
        <source>A program in front gets colours of its own: a film brighter, a reader warmer.</source>
        <translation>Öndeki program kendi renklerini alır: film daha parlak, okuyucu daha sıcak.</translation>
    </message>
    <message>
        <source>A short tone in the last seconds before a rest and before work.</source>
        <translation>Moladan ve çalışmaya dönüşten önceki son saniyelerde kısa bir ses.</translation>
    </message>
    <message>
        <source>A small window in the corner of the screen with the count and the camera picture.</source>
        <translation>Ekranın köşesinde sayımı ve kamera görüntüsünü gösteren küçük bir pencere.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Uygulamalar</translation>
    </message>
    <message>
        <source>Artificial intelligence (AI)</source>
        <translation>Yapay zekâ (AI)</translation>
    </message>
    <message>
        <source>Auto clicker</source>
        <translation>Otomatik tıklayıcı</translation>
    </message>
    <message>
        <source>Auto close rest screen</source>
        <translation>Mola ekranını otomatik kapat</translation>
    </message>
    <message>
        <source>Automatic brightness</source>
        <translation>Otomatik parlaklık</translation>
    </message>
    <message>
        <source>Back exercises</source>
        <translation>Sırt egzersizleri</translation>
    </message>
    <message>
        <source>Blink detection</source>
        <translation>Göz kırpma algılama</translation>
    </message>
    <message>
        <source>Blink screen</source>
        <translation>Göz kırpma penceresi</translation>
    </message>
    <message>
        <source>Break every</source>
        <translation>Mola aralığı</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>Molalar</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>Tıklıyor</translation>
    </message>
    <message>
        <source>Clicks the left mouse button where the pointer is, again and again.</source>
        <translation>İşaretçinin bulunduğu yerde farenin sol düğmesine tekrar tekrar tıklar.</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Renk duraklatıcıları</translation>
    </message>
    <message>
        <source>Color triggers</source>
        <translation>Renk tetikleyicileri</translation>
    </message>
    <message>
        <source>Colour changes pause while one of these programs shows: for drawing, photos and films.</source>
        <translation>Bu programlardan biri görünürken renk değişiklikleri duraklar: çizim, fotoğraf ve film için.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam et</translation>
    </message>
    <message>
        <source>Continue when you are ready.</source>
        <translation>Hazır olduğunuzda devam edin.</translation>
    </message>
    <message>
        <source>Count your blinks per minute. Staring at a screen, people blink less; the count reminds you.</source>
        <translation>Dakikadaki göz kırpma sayınızı sayar. İnsanlar ekrana bakarken daha az göz kırpar; sayım bunu size hatırlatır.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+Shift+F10 resets every setting, Ctrl+Alt+Shift+F11 quits Kavo and Ctrl+Alt+Shift+F12 resets the colours, whatever the shortcuts above.</source>
        <translation>Yukarıdaki kısayollar ne olursa olsun Ctrl+Alt+Shift+F10 tüm ayarları sıfırlar, Ctrl+Alt+Shift+F11 Kavo&apos;dan çıkar ve Ctrl+Alt+Shift+F12 renkleri sıfırlar.</translation>
    </message>
    <message>
        <source>Decrease brightness</source>
        <translation>Parlaklığı azalt</translation>
    </message>
    <message>
        <source>Decrease temperature</source>
        <translation>Sıcaklığı azalt</translation>
    </message>
    <message>
        <source>Dim the screen a little while it shows bright content.</source>
        <translation>Ekran parlak içerik gösterirken ekranı biraz karart.</translation>
    </message>
    <message>
        <source>End screen overlay</source>
        <translation>Ekran kaplamasını bitir</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Egzersizler</translation>
    </message>
    <message>
        <source>Eye exercises</source>
        <translation>Göz egzersizleri</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>İşlev</translation>
    </message>
    <message>
        <source>Fullscreen apps</source>
        <translation>Tam ekran uygulamalar</translation>
    </message>
    <message>
        <source>Have a rest</source>
        <translation>Mola ver</translation>
    </message>
    <message>
        <source>In front now</source>
        <translation>Şu anda önde</translation>
    </message>
    <message>
        <source>Incoming break</source>
        <translation>Mola yaklaşıyor</translation>
    </message>
    <message>
        <source>Increase brightness</source>
        <translation>Parlaklığı artır</translation>
    </message>
    <message>
        <source>Increase temperature</source>
        <translation>Sıcaklığı artır</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Giriş</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>Invert the colours while the screen shows mostly bright content.</source>
        <translation>Ekran çoğunlukla parlak içerik gösterirken renkleri ters çevir.</translation>
    </message>
    <message>
        <source>Kavo adjusts the screen to the room and to what it shows. Camera pictures and screenshots are measured and let go: they are never saved or sent anywhere.</source>
        <translation>Kavo ekranı odaya ve gösterdiği içeriğe göre ayarlar. Kamera görüntüleri ve ekran görüntüleri yalnızca ölçülür ve bırakılır: asla kaydedilmez ya da bir yere gönderilmez.</translation>
    </message>
    <message>
        <source>Kavo listens to its shortcuts in every program.</source>
        <translation>Kavo kısayollarını her programda dinler.</translation>
    </message>
    <message>
        <source>Kavo reminds you to rest your eyes: a short rest after every stretch of work.</source>
        <translation>Kavo gözlerinizi dinlendirmenizi hatırlatır: her çalışma süresinin ardından kısa bir mola.</translation>
    </message>
    <message>
        <source>Kavo version</source>
        <translation>Kavo sürümü</translation>
    </message>
    <message>
        <source>Keep the screen as bright as the room around it.</source>
        <translation>Ekranı çevresindeki oda kadar parlak tut.</translation>
    </message>
    <message>
        <source>Key combinations that reach Kavo from every program.</source>
        <translation>Her programdan Kavo&apos;ya ulaşan tuş bileşimleri.</translation>
    </message>
    <message>
        <source>Lite</source>
        <translation>Hafif</translation>
    </message>
    <message>
        <source>Lite is a plain dark veil with the time left. Simple and Standard are full pages; Standard adds the clock and an idea for your rest.</source>
        <translation>Hafif, kalan süreyi gösteren düz, koyu bir perdedir. Basit ve Standart tam sayfalardır; Standart saati ve molanız için bir öneri ekler.</translation>
    </message>
    <message>
        <source>Look away from the screen and let your eyes relax.</source>
        <translation>Ekrandan başka yere bakın ve gözlerinizi dinlendirin.</translation>
    </message>
    <message>
        <source>Look far, roll and blink: eyes that focus on a screen all day need it most.</source>
        <translation>Uzağa bakın, gözlerinizi döndürün ve kırpın: bütün gün ekrana odaklanan gözlerin buna en çok ihtiyacı var.</translation>
    </message>
    <message>
        <source>Manual or automatic</source>
        <translation>Manuel veya otomatik</translation>
    </message>
    <message>
        <source>Match brightness to lighting</source>
        <translation>Parlaklığı ortam ışığına uydur</translation>
    </message>
    <message>
        <source>Milliseconds between two clicks, at least 10.</source>
        <translation>İki tıklama arasındaki milisaniye, en az 10.</translation>
    </message>
    <message>
        <source>Minutes of work, then seconds of rest.</source>
        <translation>Önce çalışma dakikaları, sonra mola saniyeleri.</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Fare duraklatıcıları</translation>
    </message>
    <message>
        <source>Neck exercises</source>
        <translation>Boyun egzersizleri</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>İleri</translation>
    </message>
    <message>
        <source>Normal rests can be skipped, strict ones cannot. Productive shows a small countdown instead of covering the screen.</source>
        <translation>Normal molalar atlanabilir, katı molalar atlanamaz. Üretken, ekranı kaplamak yerine küçük bir geri sayım gösterir.</translation>
    </message>
    <message>
        <source>One program per line, named as it runs (vlc, kmplayer). Add fullscreen after a name to pause only while it fills the screen.</source>
        <translation>Her satıra bir program, çalıştığı adla (vlc, kmplayer). Yalnızca program ekranı kaplarken duraklatmak için adın ardına fullscreen ekleyin.</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, bsplayer).</source>
        <translation>Her satıra bir program, tam olarak çalıştığı adla (vlc, bsplayer).</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, kmplayer).</source>
        <translation>Her satıra bir program, tam olarak çalıştığı adla (vlc, kmplayer).</translation>
    </message>
    <message>
        <source>One program per line: name = temperature brightness, for example vlc = 6500 120. Temperature 0 to 10000 K, brightness 10 to 150 %.</source>
        <translation>Her satıra bir program: ad = sıcaklık parlaklık, örneğin vlc = 6500 120. Sıcaklık 0 ile 10000 K arası, parlaklık 10 ile 150 % arası.</translation>
    </message>
    <message>
        <source>Pause colour changes while a listed program shows.</source>
        <translation>Listedeki bir program görünürken renk değişikliklerini duraklat.</translation>
    </message>
    <message>
        <source>Pause colour changes while any program fills the screen.</source>
        <translation>Herhangi bir program ekranı kaplarken renk değişikliklerini duraklat.</translation>
    </message>
    <message>
        <source>Pause or resume Kavo</source>
        <translation>Kavo&apos;yu duraklat veya sürdür</translation>
    </message>
    <message>
        <source>Pause or resume the timer</source>
        <translation>Zamanlayıcıyı duraklat veya sürdür</translation>
    </message>
    <message>
        <source>Postpone</source>
        <translation>Ertele</translation>
    </message>
    <message>
        <source>Postpone duration</source>
        <translation>Erteleme süresi</translation>
    </message>
    <message>
        <source>Press the new combination</source>
        <translation>Yeni bileşime basın</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programlar</translation>
    </message>
    <message>
        <source>Programs and colours</source>
        <translation>Programlar ve renkler</translation>
    </message>
    <message>
        <source>Quit Kavo</source>
        <translation>Kavo&apos;dan çık</translation>
    </message>
    <message>
        <source>Rest screen</source>
        <translation>Mola ekranı</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Screen effects on or off</source>
        <translation>Ekran efektlerini aç veya kapat</translation>
    </message>
    <message>
        <source>Overlays</source>
        <translation>Kaplamalar</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Algılayıcılar</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Kısayol</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Kısayollar</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Atla</translation>
    </message>
    <message>
        <source>Slow turns and tilts for a neck that held one position too long.</source>
        <translation>Uzun süre aynı konumda kalmış bir boyun için yavaş dönüşler ve eğilmeler.</translation>
    </message>
    <message>
        <source>Smart brightness</source>
        <translation>Akıllı parlaklık</translation>
    </message>
    <message>
        <source>Smart inversion</source>
        <translation>Akıllı ters çevirme</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Start a break</source>
        <translation>Mola başlat</translation>
    </message>
    <message>
        <source>Start screen overlay</source>
        <translation>Ekran kaplamasını başlat</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Stop it here, from the tray menu or by quitting Kavo.</source>
        <translation>Buradan, sistem tepsisi menüsünden ya da Kavo&apos;dan çıkarak durdurabilirsiniz.</translation>
    </message>
    <message>
        <source>Stop the break timer while a listed program shows.</source>
        <translation>Listedeki bir program görünürken mola zamanlayıcısını durdur.</translation>
    </message>
    <message>
        <source>Stop the break timer while any program fills the screen.</source>
        <translation>Herhangi bir program ekranı kaplarken mola zamanlayıcısını durdur.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Durduruldu</translation>
    </message>
    <message>
        <source>Stretches you can do standing beside your desk.</source>
        <translation>Masanızın yanında ayakta yapabileceğiniz esneme hareketleri.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while a listed program shows.</source>
        <translation>Listedeki bir program görünürken yazılımsal imleci kapat.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while any program fills the screen.</source>
        <translation>Herhangi bir program ekranı kaplarken yazılımsal imleci kapat.</translation>
    </message>
    <message>
        <source>Ten seconds before a rest Kavo offers to move it by this many minutes.</source>
        <translation>Moladan on saniye önce Kavo molayı bu kadar dakika ertelemeyi önerir.</translation>
    </message>
    <message>
        <source>The break timer stops while one of these programs shows: films, presentations, calls.</source>
        <translation>Bu programlardan biri görünürken mola zamanlayıcısı durur: filmler, sunumlar, görüşmeler.</translation>
    </message>
    <message>
        <source>The camera measures the room light and the brightness follows it, a little every second.</source>
        <translation>Kamera odadaki ışığı ölçer ve parlaklık her saniye biraz ona uyar.</translation>
    </message>
    <message>
        <source>The program you are using, as the lists name it.</source>
        <translation>Kullandığınız program, listelerdeki adıyla.</translation>
    </message>
    <message>
        <source>The rest is over</source>
        <translation>Mola bitti</translation>
    </message>
    <message>
        <source>The software cursor goes while one of these programs shows: games draw their own.</source>
        <translation>Bu programlardan biri görünürken yazılımsal imleç kaybolur: oyunlar kendi imleçlerini çizer.</translation>
    </message>
    <message>
        <source>This is a strict rest: it ends by itself.</source>
        <translation>Bu katı bir mola: kendiliğinden biter.</translation>
    </message>
    <message>
        <source>Time for a rest</source>
        <translation>Mola zamanı</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>Zamanlayıcı duraklatıcıları</translation>
    </message>
    <message>
        <source>Timer type</source>
        <translation>Zamanlayıcı türü</translation>
    </message>
    <message>
        <source>Use sounds</source>
        <translation>Sesleri kullan</translation>
    </message>
    <message>
        <source>Use the colours of the list while a listed program is in front.</source>
        <translation>Listedeki bir program öndeyken listedeki renkleri kullan.</translation>
    </message>
    <message>
        <source>Use the first camera for the room light and the blink count.</source>
        <translation>Oda ışığı ve göz kırpma sayımı için ilk kamerayı kullan.</translation>
    </message>
    <message>
        <source>What covers your monitors during a rest.</source>
        <translation>Mola sırasında monitörlerinizi neyin kaplayacağı.</translation>
    </message>
    <message>
        <source>What the shortcut does.</source>
        <translation>Kısayolun ne yaptığı.</translation>
    </message>
    <message>
        <source>When the rest is over, work starts at once. Without it the rest screen waits for you to continue.</source>
        <translation>Mola bitince çalışma hemen başlar. Bu seçenek kapalıyken mola ekranı devam etmenizi bekler.</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Çalışma</translation>
    </message>
    <message>
        <source>min</source>
        <translation>dk</translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>sn</translation>
    </message>
    <message>
        <source>until rest</source>
        <translation>sonra mola</translation>
    </message>
    <message>
        <source>%b is enable or disable, %d a whole number, %f a number, %s a word. Click a spell to copy it into the input.</source>
        <translation>%b enable ya da disable, %d bir tam sayı, %f bir sayı, %s bir sözcüktür. Bir büyüyü giriş alanına kopyalamak için üzerine tıklayın.</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Etkinleştir</translation>
    </message>
    <message>
        <source>Click again to reset every setting</source>
        <translation>Tüm ayarları sıfırlamak için yeniden tıklayın</translation>
    </message>
    <message>
        <source>Enter your spell:</source>
        <translation>Büyünüzü girin:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Dışa aktar</translation>
    </message>
    <message>
        <source>Hidden features</source>
        <translation>Gizli özellikler</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>İçe aktar</translation>
    </message>
    <message>
        <source>Move your settings to another computer, or keep a copy.</source>
        <translation>Ayarlarınızı başka bir bilgisayara taşıyın ya da bir kopyasını saklayın.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Varsayılanlara sıfırla</translation>
    </message>
    <message>
        <source>Settings exported</source>
        <translation>Ayarlar dışa aktarıldı</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Ayar dosyası</translation>
    </message>
    <message>
        <source>Spells</source>
        <translation>Büyüler</translation>
    </message>
    <message>
        <source>Spells change settings that have no control on the pages. The same spells work from the command line: kavo &quot;type dark&quot;.</source>
        <translation>Büyüler, sayfalarda denetimi olmayan ayarları değiştirir. Aynı büyüler komut satırında da çalışır: kavo &quot;type dark&quot;.</translation>
    </message>
    <message>
        <source>A see-through coloured layer over the screen dims and tints it further than the colours alone; clicks go through it.</source>
        <translation>Ekranın üzerindeki yarı saydam, renkli bir katman ekranı renklerin tek başına yapabileceğinden daha çok karartır ve renklendirir; tıklamalar katmandan geçer.</translation>
    </message>
    <message>
        <source>Day Dim</source>
        <translation>Gündüz karartma</translation>
    </message>
    <message>
        <source>Day Opacity</source>
        <translation>Gündüz opaklığı</translation>
    </message>
    <message>
        <source>How dark the surroundings are.</source>
        <translation>Çevrenin ne kadar karanlık olduğu.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is at night.</source>
        <translation>Katmanın renginin gece ne kadar koyulaştığı.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is by day.</source>
        <translation>Katmanın renginin gündüz ne kadar koyulaştığı.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen at night.</source>
        <translation>Katmanın gece ekranı ne kadar kapladığı.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen by day.</source>
        <translation>Katmanın gündüz ekranı ne kadar kapladığı.</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Çivit mavisi</translation>
    </message>
    <message>
        <source>Keeps a bright spot on the screen and darkens what lies around it; clicks go through.</source>
        <translation>Ekranda aydınlık bir nokta bırakır ve çevresini karartır; tıklamalar geçer.</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Limon sarısı</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Aydınlık nokta</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Macenta</translation>
    </message>
    <message>
        <source>Night Dim</source>
        <translation>Gece karartma</translation>
    </message>
    <message>
        <source>Night Opacity</source>
        <translation>Gece opaklığı</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opaklık</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Turuncu</translation>
    </message>
    <message>
        <source>Overlay color</source>
        <translation>Kaplama rengi</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Mor</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Yarıçap</translation>
    </message>
    <message>
        <source>Reset area</source>
        <translation>Alanı sıfırla</translation>
    </message>
    <message>
        <source>Scarlet</source>
        <translation>Kızıl</translation>
    </message>
    <message>
        <source>Screen overlay</source>
        <translation>Ekran kaplaması</translation>
    </message>
    <message>
        <source>Select an area, then drag over the screen: the area stays clear. Escape cancels.</source>
        <translation>Bir alan seçin, ardından ekran üzerinde sürükleyin: alan açık kalır. Escape iptal eder.</translation>
    </message>
    <message>
        <source>Select area</source>
        <translation>Alan seç</translation>
    </message>
    <message>
        <source>Show the layer.</source>
        <translation>Katmanı göster.</translation>
    </message>
    <message>
        <source>Show the spot.</source>
        <translation>Noktayı göster.</translation>
    </message>
    <message>
        <source>The colour of the layer.</source>
        <translation>Katmanın rengi.</translation>
    </message>
    <message>
        <source>The size of the bright spot.</source>
        <translation>Aydınlık noktanın boyutu.</translation>
    </message>
    <message>
        <source>This desktop shows this effect while you are idle: after two quiet seconds a picture of the screen with the effect covers it, until you press a key or move the mouse.</source>
        <translation>Bu masaüstü bu efekti siz boştayken gösterir: iki saniye hareketsizlikten sonra ekranın efektli bir görüntüsü, bir tuşa basana ya da fareyi oynatana kadar ekranı kaplar.</translation>
    </message>
    <message>
        <source>This effect shows at once.</source>
        <translation>Bu efekt hemen görünür.</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turkuaz</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Menekşe</translation>
    </message>
    <message>
        <source>Where the spot sits across the screen.</source>
        <translation>Noktanın ekrandaki yatay konumu.</translation>
    </message>
    <message>
        <source>Where the spot sits down the screen.</source>
        <translation>Noktanın ekrandaki dikey konumu.</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Sarı</translation>
    </message>
    <message>
        <source>Settings imported</source>
        <translation>Ayarlar içe aktarıldı</translation>
    </message>
    <message>
        <source>Settings not imported</source>
        <translation>Ayarlar içe aktarılmadı</translation>
    </message>
    <message>
        <source>%1 conflicts with %2</source>
        <translation>%1, %2 ile çakışıyor</translation>
    </message>
    <message>
        <source>%1 conflicts with %2 color changes and you may see some ON/OFF flicker of the colors.
%2 automatically closes such apps, but please uninstall one of the apps if you still have problems.</source>
        <translation>%1, %2 renk değişiklikleriyle çakışıyor ve renklerde açılıp kapanma şeklinde titreme görebilirsiniz.
%2 bu tür uygulamaları otomatik olarak kapatır, ancak sorun sürerse lütfen uygulamalardan birini kaldırın.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Remaining %1</source>
        <translation>Kalan: %1</translation>
    </message>
    <message>
        <source>No camera found</source>
        <translation>Kamera bulunamadı</translation>
    </message>
    <message>
        <source>Object detectors not found</source>
        <translation>Nesne algılayıcıları bulunamadı</translation>
    </message>
    <message>
        <source>Invalid spell</source>
        <translation>Geçersiz büyü</translation>
    </message>
    <message>
        <source>The spell &quot;%1&quot; seems wrong. Check the syntax or try with some other hidden feature.
Use &quot;help&quot; to see the list of all hidden features :)</source>
        <translation>&quot;%1&quot; büyüsü hatalı görünüyor. Yazımı denetleyin ya da başka bir gizli özellik deneyin.
Tüm gizli özelliklerin listesi için &quot;help&quot; yazın :)</translation>
    </message>
    <message>
        <source>Hidden feature succeeded</source>
        <translation>Gizli özellik başarılı</translation>
    </message>
    <message>
        <source>%1 succeeded</source>
        <translation>%1 başarılı</translation>
    </message>
    <message>
        <source>Invalid temperature</source>
        <translation>Geçersiz sıcaklık</translation>
    </message>
    <message>
        <source>%1 is invalid value for Color temperature. Use number between 0 and 10000.</source>
        <translation>%1, renk sıcaklığı için geçersiz bir değer. 0 ile 10000 arasında bir sayı girin.</translation>
    </message>
    <message>
        <source>Temperature changed</source>
        <translation>Sıcaklık değişti</translation>
    </message>
    <message>
        <source>Color temperature changed to %1K</source>
        <translation>Renk sıcaklığı %1K olarak değişti</translation>
    </message>
    <message>
        <source>Invalid brightness</source>
        <translation>Geçersiz parlaklık</translation>
    </message>
    <message>
        <source>%1 is invalid value for Brightness. Use number between 10 and 100.</source>
        <translation>%1, parlaklık için geçersiz bir değer. 10 ile 100 arasında bir sayı girin.</translation>
    </message>
    <message>
        <source>Brightness changed</source>
        <translation>Parlaklık değişti</translation>
    </message>
    <message>
        <source>Brightness changed to %1%</source>
        <translation>Parlaklık %1% olarak değişti</translation>
    </message>
    <message>
        <source>Invalid Night start time</source>
        <translation>Geçersiz gece başlangıcı</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night start time. Use number between 0 and 24.</source>
        <translation>%1, gece başlangıcı için geçersiz bir değer. 0 ile 24 arasında bir sayı girin.</translation>
    </message>
    <message>
        <source>Night start time changed</source>
        <translation>Gece başlangıcı değişti</translation>
    </message>
    <message>
        <source>Manual night start time changed to %1h</source>
        <translation>Manuel gece başlangıcı %1h olarak değişti</translation>
    </message>
    <message>
        <source>Invalid Night end time</source>
        <translation>Geçersiz gece bitişi</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night end time. Use number between 0 and 24.</source>
        <translation>%1, gece bitişi için geçersiz bir değer. 0 ile 24 arasında bir sayı girin.</translation>
    </message>
    <message>
        <source>Night end time changed</source>
        <translation>Gece bitişi değişti</translation>
    </message>
    <message>
        <source>Manual night end time changed to %1h</source>
        <translation>Manuel gece bitişi %1h olarak değişti</translation>
    </message>
    <message>
        <source>Kavo is switching to %1 type</source>
        <translation>Kavo %1 türüne geçiyor</translation>
    </message>
    <message>
        <source>You will see the difference in your screen after a moment :)</source>
        <translation>Farkı birazdan ekranınızda göreceksiniz :)</translation>
    </message>
    <message>
        <source>Notifications enabled</source>
        <translation>Bildirimler açık</translation>
    </message>
    <message>
        <source>Hidden features notifications are enabled. They are show so you will know when your spell is successful</source>
        <translation>Gizli özellik bildirimleri açık. Büyünüzün ne zaman başarılı olduğunu bilmeniz için gösterilirler</translation>
    </message>
    <message>
        <source>Notifications disabled</source>
        <translation>Bildirimler kapalı</translation>
    </message>
    <message>
        <source>Hidden features notifications are disabled. This is the last notification that you will see</source>
        <translation>Gizli özellik bildirimleri kapalı. Bu, göreceğiniz son bildirim</translation>
    </message>
    <message>
        <source>Gamma fixer enabled</source>
        <translation>Gama düzeltici açık</translation>
    </message>
    <message>
        <source>Gamma fixer is enabled. If notice slight color changing every second disable the Gamma fixer again. Gamma fixer is used, because Windows decides to ignore Kavo mini changes from time to time.</source>
        <translation>Gama düzeltici açık. Her saniye renklerde hafif bir değişiklik fark ederseniz gama düzelticiyi yeniden kapatın. Gama düzeltici, Windows Kavo mini&apos;nin küçük değişikliklerini zaman zaman yok saydığı için kullanılır.</translation>
    </message>
    <message>
        <source>Gamma fixer disabled</source>
        <translation>Gama düzeltici kapalı</translation>
    </message>
    <message>
        <source>Gamma fixer is disabled. If your screen suddenly becomes bright enable it again or click the Kavo mini icon several times. Both should force Kavo to change the screen colors.</source>
        <translation>Gama düzeltici kapalı. Ekranınız birden parlaklaşırsa onu yeniden açın ya da Kavo mini simgesine birkaç kez tıklayın. İkisi de Kavo&apos;yu ekran renklerini değiştirmeye zorlar.</translation>
    </message>
    <message>
        <source>Software cursor enabled</source>
        <translation>Yazılımsal imleç açık</translation>
    </message>
    <message>
        <source>Color changes will apply also on the cursor. If it starts to dissappear use disable software cursor to make it bright again.</source>
        <translation>Renk değişiklikleri imlece de uygulanacak. İmleç kaybolmaya başlarsa yeniden parlak olması için yazılımsal imleci kapatın.</translation>
    </message>
    <message>
        <source>Hardware cursor enabled</source>
        <translation>Donanımsal imleç açık</translation>
    </message>
    <message>
        <source>Color changes will not apply on the cursor. If you don&apos;t like the bright blue cursor at night use enable software cursor to make apply color changes on the cursor.</source>
        <translation>Renk değişiklikleri imlece uygulanmayacak. Gece parlak mavi imleçten hoşlanmıyorsanız renk değişikliklerinin imlece de uygulanması için yazılımsal imleci açın.</translation>
    </message>
    <message>
        <source>Conflicting applications enabled</source>
        <translation>Çakışan uygulamalara izin verildi</translation>
    </message>
    <message>
        <source>Conflicting applications are enabled. You can now use other softwares which change the screen colors.</source>
        <translation>Çakışan uygulamalara izin verildi. Artık ekran renklerini değiştiren başka yazılımları da kullanabilirsiniz.</translation>
    </message>
    <message>
        <source>Conflicting applications disabled</source>
        <translation>Çakışan uygulamalar engellendi</translation>
    </message>
    <message>
        <source>Conflicting applications are disabled. In order to not cause flicker conflicting applications are disabled.</source>
        <translation>Çakışan uygulamalar, titremeye yol açmamaları için engellendi.</translation>
    </message>
    <message>
        <source>Monitor %1 disabled</source>
        <translation>Monitör %1 kapalı</translation>
    </message>
    <message>
        <source>Kavo will not apply color changes to Monitor %1</source>
        <translation>Kavo, Monitör %1 üzerinde renk değişikliği yapmayacak</translation>
    </message>
    <message>
        <source>Monitor %1 enabled</source>
        <translation>Monitör %1 açık</translation>
    </message>
    <message>
        <source>Kavo will apply color changes to Monitor %1</source>
        <translation>Kavo, Monitör %1 üzerinde renk değişikliği yapacak</translation>
    </message>
    <message>
        <source>Color range is already expanded</source>
        <translation>Renk aralığı zaten genişletilmiş</translation>
    </message>
    <message>
        <source>Color range is already expanded. If you have problems with lower values try to Restart your PC. If the problem persist write to us with info about your PC to test and fix this.</source>
        <translation>Renk aralığı zaten genişletilmiş. Düşük değerlerde sorun yaşıyorsanız bilgisayarınızı yeniden başlatmayı deneyin. Sorun sürerse, test edip düzeltebilmemiz için bilgisayarınızla ilgili bilgilerle bize yazın.</translation>
    </message>
    <message>
        <source>Expand color range Failed</source>
        <translation>Renk aralığı genişletilemedi</translation>
    </message>
    <message>
        <source>Expand color range Failed you need Admin permission to execute this</source>
        <translation>Renk aralığı genişletilemedi: bunun için yönetici izni gerekir</translation>
    </message>
    <message>
        <source>No uninstaller in the App folder</source>
        <translation>Uygulama klasöründe kaldırma programı yok</translation>
    </message>
    <message>
        <source>There is not uninstaller in &quot;%1&quot;
 You can quit %2 and delete the folder by hand</source>
        <translation>&quot;%1&quot; içinde kaldırma programı yok
 %2 uygulamasından çıkıp klasörü elle silebilirsiniz</translation>
    </message>
    <message>
        <source>Gamma preservation enabled</source>
        <translation>Gama koruma açık</translation>
    </message>
    <message>
        <source>Kavo will respect your color calibration from now on. Close and start Kavo mini again and it will preserve your colors during the day</source>
        <translation>Kavo bundan sonra renk kalibrasyonunuza uyacak. Kavo mini&apos;yi kapatıp yeniden başlatın; gün boyunca renklerinizi koruyacaktır</translation>
    </message>
    <message>
        <source>Gamma preservation disabled</source>
        <translation>Gama koruma kapalı</translation>
    </message>
    <message>
        <source>Kavo will not respect your color calibration from now on. It will use the default monitor settings instead</source>
        <translation>Kavo bundan sonra renk kalibrasyonunuza uymayacak. Bunun yerine varsayılan monitör ayarlarını kullanacak</translation>
    </message>
    <message>
        <source>Start at startup enabled</source>
        <translation>Başlangıçta çalıştırma açık</translation>
    </message>
    <message>
        <source>Kavo mini will start when you turn ON your computer</source>
        <translation>Kavo mini bilgisayarınızı açtığınızda başlayacak</translation>
    </message>
    <message>
        <source>Start at startup disabled</source>
        <translation>Başlangıçta çalıştırma kapalı</translation>
    </message>
    <message>
        <source>Kavo mini will not start when you turn ON your computer</source>
        <translation>Kavo mini bilgisayarınızı açtığınızda başlamayacak</translation>
    </message>
    <message>
        <source>Tray icon rotation is enabled</source>
        <translation>Tepsi simgesinin dönmesi açık</translation>
    </message>
    <message>
        <source>The tray icon will rotate when Kavo is changing screen colors. This is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>Kavo ekran renklerini değiştirirken tepsi simgesi dönecek. Bu, Kavo mini&apos;nin renkleri değiştirdiğini ve ekranınızın kalibre edilmediğini gösterir</translation>
    </message>
    <message>
        <source>Tray icon rotation is disabled</source>
        <translation>Tepsi simgesinin dönmesi kapalı</translation>
    </message>
    <message>
        <source>The tray icon will not rotate when Kavo is changing screen colors. This feature is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>Kavo ekran renklerini değiştirirken tepsi simgesi dönmeyecek. Bu özellik, Kavo mini&apos;nin renkleri değiştirdiğini ve ekranınızın kalibre edilmediğini göstermek için kullanılır</translation>
    </message>
    <message>
        <source>Reset colors</source>
        <translation>Renkleri sıfırla</translation>
    </message>
    <message>
        <source>Screen colors are reset to default values</source>
        <translation>Ekran renkleri varsayılan değerlere sıfırlandı</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Ayarları sıfırla</translation>
    </message>
    <message>
        <source>Kavo settings are reset to default values</source>
        <translation>Kavo ayarları varsayılan değerlere sıfırlandı</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled</source>
        <translation>Klavye kancası açık</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled. You can now use system-wide shortcuts.</source>
        <translation>Klavye kancası açık. Artık sistem genelinde kısayolları kullanabilirsiniz.</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled</source>
        <translation>Klavye kancası kapalı</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled. Some shortcuts and features may not work as intended</source>
        <translation>Klavye kancası kapalı. Bazı kısayollar ve özellikler beklendiği gibi çalışmayabilir</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled</source>
        <translation>Klavye kısayolları açık</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled. You can now use Kavo shortcuts.</source>
        <translation>Klavye kısayolları açık. Artık Kavo kısayollarını kullanabilirsiniz.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled</source>
        <translation>Klavye kısayolları kapalı</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled. Kavo shortcuts will not work</source>
        <translation>Klavye kısayolları kapalı. Kavo kısayolları çalışmayacak</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled</source>
        <translation>Acil durum kısayolları açık</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled. You can now use Kavo panic shortcuts.</source>
        <translation>Acil durum kısayolları açık. Artık Kavo acil durum kısayollarını kullanabilirsiniz.</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled</source>
        <translation>Acil durum kısayolları kapalı</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled. Kavo panic shortcuts will not work</source>
        <translation>Acil durum kısayolları kapalı. Kavo acil durum kısayolları çalışmayacak</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled</source>
        <translation>Tüm klavye kısayolları ve kancaları açık</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled. You can now use system-wide, Kavo and panic shortcuts.</source>
        <translation>Tüm klavye kısayolları ve kancaları açık. Artık sistem geneli, Kavo ve acil durum kısayollarını kullanabilirsiniz.</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled</source>
        <translation>Tüm klavye kısayolları ve kancaları kapalı</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled. System-wide, Kavo and panic shortcuts will not work</source>
        <translation>Tüm klavye kısayolları ve kancaları kapalı. Sistem geneli, Kavo ve acil durum kısayolları çalışmayacak</translation>
    </message>
    <message>
        <source>Manual temperature enabled</source>
        <translation>Manuel sıcaklık açık</translation>
    </message>
    <message>
        <source>You are now using Kavo Mixed mode</source>
        <translation>Artık Kavo karma modunu kullanıyorsunuz</translation>
    </message>
    <message>
        <source>Manual temperature disabled</source>
        <translation>Manuel sıcaklık kapalı</translation>
    </message>
    <message>
        <source>Kavo will use your selected mode for temperature again</source>
        <translation>Kavo sıcaklık için yine seçtiğiniz modu kullanacak</translation>
    </message>
    <message>
        <source>Manual brightness enabled</source>
        <translation>Manuel parlaklık açık</translation>
    </message>
    <message>
        <source>You are now using Kavo mini Mixed mode</source>
        <translation>Artık Kavo mini karma modunu kullanıyorsunuz</translation>
    </message>
    <message>
        <source>Manual brightness disabled</source>
        <translation>Manuel parlaklık kapalı</translation>
    </message>
    <message>
        <source>Kavo mini will use your selected mode for brightness again</source>
        <translation>Kavo mini parlaklık için yine seçtiğiniz modu kullanacak</translation>
    </message>
    <message>
        <source>Zero blue light</source>
        <translation>Sıfır mavi ışık</translation>
    </message>
    <message>
        <source>All blue light is removed from the screen</source>
        <translation>Ekrandaki tüm mavi ışık kaldırıldı</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Ters çevir</translation>
    </message>
    <message>
        <source>Colors are inverted</source>
        <translation>Renkler ters çevrildi</translation>
    </message>
    <message>
        <source>Manual location enabled</source>
        <translation>Manuel konum açık</translation>
    </message>
    <message>
        <source>Kavo mini will use your manual location. Set latitude and longitude with the hidden features</source>
        <translation>Kavo mini manuel konumunuzu kullanacak. Enlem ve boylamı gizli özelliklerle ayarlayın</translation>
    </message>
    <message>
        <source>Manual location disabled</source>
        <translation>Manuel konum kapalı</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini otomatik konumu kullanacak. Konum, Güneş&apos;in konumunu ve gece ile gündüzün süresini hesaplamak için kullanılır</translation>
    </message>
    <message>
        <source>Latitude changed</source>
        <translation>Enlem değişti</translation>
    </message>
    <message>
        <source>Latitude changed to %1°</source>
        <translation>Enlem %1° olarak değişti</translation>
    </message>
    <message>
        <source>Longitude changed</source>
        <translation>Boylam değişti</translation>
    </message>
    <message>
        <source>Longitude changed to %1°</source>
        <translation>Boylam %1° olarak değişti</translation>
    </message>
    <message>
        <source>Manual night duration enabled</source>
        <translation>Manuel gece süresi açık</translation>
    </message>
    <message>
        <source>Kavo mini will use manual night duration. Set start and end time with the hidden features</source>
        <translation>Kavo mini manuel gece süresini kullanacak. Başlangıç ve bitiş saatini gizli özelliklerle ayarlayın</translation>
    </message>
    <message>
        <source>Manual night duration disabled</source>
        <translation>Manuel gece süresi kapalı</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic night duration based on location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini konuma dayalı otomatik gece süresini kullanacak. Konum, Güneş&apos;in konumunu ve gece ile gündüzün süresini hesaplamak için kullanılır</translation>
    </message>
    <message>
        <source>No File selected for Export</source>
        <translation>Dışa aktarmak için dosya seçilmedi</translation>
    </message>
    <message>
        <source>Failed to write file for Export: %1</source>
        <translation>Dışa aktarma dosyası yazılamadı: %1</translation>
    </message>
    <message>
        <source>Settings exported to %1</source>
        <translation>Ayarlar dışa aktarıldı: %1</translation>
    </message>
    <message>
        <source>No File selected for Import</source>
        <translation>İçe aktarmak için dosya seçilmedi</translation>
    </message>
    <message>
        <source>Failed to open file for Import</source>
        <translation>İçe aktarma dosyası açılamadı</translation>
    </message>
    <message>
        <source>File too large for Import (over 1 MiB): %1</source>
        <translation>Dosya içe aktarmak için çok büyük (1 MiB üzeri): %1</translation>
    </message>
    <message>
        <source>Settings too large for Import (over 1 MiB)</source>
        <translation>Ayarlar içe aktarmak için çok büyük (1 MiB üzeri)</translation>
    </message>
    <message>
        <source>Not a Kavo settings file: it does not start with the &quot;#Created by&quot; header</source>
        <translation>Bir Kavo ayar dosyası değil: &quot;#Created by&quot; başlığıyla başlamıyor</translation>
    </message>
    <message>
        <source>No settings to import: the file holds no setting Kavo knows</source>
        <translation>İçe aktarılacak ayar yok: dosyada Kavo&apos;nun tanıdığı hiçbir ayar yok</translation>
    </message>
    <message>
        <source>Settings not writable: the import was not saved</source>
        <translation>Ayarlar yazılamıyor: içe aktarma kaydedilmedi</translation>
    </message>
    <message>
        <source>%1 settings imported</source>
        <translation>İçe aktarılan ayar: %1</translation>
    </message>
    <message>
        <source>, %1 unknown keys ignored</source>
        <translation>, yok sayılan bilinmeyen anahtar: %1</translation>
    </message>
    <message>
        <source>, %1 invalid lines skipped</source>
        <translation>, atlanan geçersiz satır: %1</translation>
    </message>
    <message>
        <source>%1 until work</source>
        <translation>%1 sonra çalışma</translation>
    </message>
    <message>
        <source>%1 until rest</source>
        <translation>%1 sonra mola</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in %2 minutes.</source>
        <translation>%1, %2 dakika sonra uzun bir mola olacağını hatırlatır.</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in 30 seconds.</source>
        <translation>%1, 30 saniye sonra uzun bir mola olacağını hatırlatır.</translation>
    </message>
    <message>
        <source>Big rest incoming</source>
        <translation>Uzun mola yaklaşıyor</translation>
    </message>
    <message>
        <source>work</source>
        <translation>çalışma</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>sa</translation>
    </message>
    <message>
        <source>Back to work</source>
        <translation>Çalışmaya dön</translation>
    </message>
    <message>
        <source>Bend forward and let your arms hang loose.</source>
        <translation>Öne doğru eğilin ve kollarınızı gevşekçe sarkıtın.</translation>
    </message>
    <message>
        <source>Blink often: screens make us forget to.</source>
        <translation>Sık sık göz kırpın: ekran başında bunu unuturuz.</translation>
    </message>
    <message>
        <source>Blink quickly for a few seconds, then close your eyes.</source>
        <translation>Birkaç saniye hızlı hızlı göz kırpın, sonra gözlerinizi kapatın.</translation>
    </message>
    <message>
        <source>Break is coming in %1</source>
        <translation>Molaya %1 kaldı</translation>
    </message>
    <message>
        <source>Bring your chin to your chest and lift it back slowly.</source>
        <translation>Çenenizi göğsünüze indirin ve yavaşça geri kaldırın.</translation>
    </message>
    <message>
        <source>Close your eyes and breathe slowly.</source>
        <translation>Gözlerinizi kapatın ve yavaşça nefes alın.</translation>
    </message>
    <message>
        <source>Drink a glass of water.</source>
        <translation>Bir bardak su için.</translation>
    </message>
    <message>
        <source>Esc keeps the shortcut, Backspace removes it.</source>
        <translation>Esc kısayolu korur, Backspace kaldırır.</translation>
    </message>
    <message>
        <source>Hide the camera picture</source>
        <translation>Kamera görüntüsünü gizle</translation>
    </message>
    <message>
        <source>Hold Ctrl, Alt or Meta with this key.</source>
        <translation>Bu tuşla birlikte Ctrl, Alt ya da Meta tuşunu basılı tutun.</translation>
    </message>
    <message>
        <source>Kavo cannot use this key in a shortcut.</source>
        <translation>Kavo bu tuşu bir kısayolda kullanamaz.</translation>
    </message>
    <message>
        <source>Look at something at least six metres away.</source>
        <translation>En az altı metre uzaktaki bir şeye bakın.</translation>
    </message>
    <message>
        <source>Look at something far away, out of a window if you can.</source>
        <translation>Uzaktaki bir şeye bakın, mümkünse pencereden dışarı.</translation>
    </message>
    <message>
        <source>Look up, down, left and right, holding each for a breath.</source>
        <translation>Yukarı, aşağı, sola ve sağa bakın; her birinde bir nefes boyunca durun.</translation>
    </message>
    <message>
        <source>Monitor %1</source>
        <translation>Monitör %1</translation>
    </message>
    <message>
        <source>Put your hands on your hips and lean back gently.</source>
        <translation>Ellerinizi belinize koyun ve nazikçe geriye doğru eğilin.</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>Mola</translation>
    </message>
    <message>
        <source>Roll your shoulders back a few times.</source>
        <translation>Omuzlarınızı birkaç kez geriye doğru çevirin.</translation>
    </message>
    <message>
        <source>Roll your shoulders back five times.</source>
        <translation>Omuzlarınızı beş kez geriye doğru çevirin.</translation>
    </message>
    <message>
        <source>Show the camera picture</source>
        <translation>Kamera görüntüsünü göster</translation>
    </message>
    <message>
        <source>Slowly roll your eyes in a circle, then the other way.</source>
        <translation>Gözlerinizi yavaşça bir yönde daire çizerek çevirin, sonra öbür yönde.</translation>
    </message>
    <message>
        <source>Stand up and reach both arms above your head.</source>
        <translation>Ayağa kalkın ve iki kolunuzu başınızın üstüne uzatın.</translation>
    </message>
    <message>
        <source>Stand up and stretch your arms above your head.</source>
        <translation>Ayağa kalkın ve kollarınızı başınızın üstünde gerin.</translation>
    </message>
    <message>
        <source>Step %1 / %2</source>
        <translation>Adım %1 / %2</translation>
    </message>
    <message>
        <source>The camera is off</source>
        <translation>Kamera kapalı</translation>
    </message>
    <message>
        <source>Tilt your ear toward your shoulder on each side.</source>
        <translation>Kulağınızı her iki yanda omzunuza doğru eğin.</translation>
    </message>
    <message>
        <source>Turn your head slowly to the left and hold, then to the right.</source>
        <translation>Başınızı yavaşça sola çevirip bekleyin, sonra sağa.</translation>
    </message>
    <message>
        <source>Twist your upper body slowly to each side.</source>
        <translation>Üst gövdenizi yavaşça her iki yana döndürün.</translation>
    </message>
    <message>
        <source>blink detection is off</source>
        <translation>göz kırpma algılama kapalı</translation>
    </message>
    <message>
        <source>until work</source>
        <translation>sonra çalışma</translation>
    </message>
    <message>
        <source>Kavo Settings File (*.kavo_settings *.kavo)</source>
        <translation>Kavo Ayar Dosyası (*.kavo_settings *.kavo)</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>Dosyayı Kaydet...</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>Dosya Aç...</translation>
    </message>
    <message>
        <source>This window cannot be shown: Kavo&apos;s web part is missing.</source>
        <translation>Bu pencere gösterilemiyor: Kavo&apos;nun web bileşeni eksik.</translation>
    </message>
    <message>
        <source>Camera features are missing</source>
        <translation>Kamera özellikleri eksik</translation>
    </message>
    <message>
        <source>Settings cannot be saved</source>
        <translation>Ayarlar kaydedilemiyor</translation>
    </message>
    <message>
        <source>Wayland lets no program click for the user: the auto clicker is not available.</source>
        <translation>Wayland hiçbir programın kullanıcı yerine tıklamasına izin vermez: otomatik tıklayıcı kullanılamaz.</translation>
    </message>
    <message>
        <source>Wayland lets no program draw the mouse cursor: the software cursor is not available.</source>
        <translation>Wayland hiçbir programın fare imlecini çizmesine izin vermez: yazılım imleci kullanılamaz.</translation>
    </message>
    <message>
        <source>Wayland gives ordinary programs no picture of the screen: effects that work on a picture while you are idle are not available.</source>
        <translation>Wayland sıradan programlara ekranın görüntüsünü vermez: siz boştayken bir görüntü üzerinde çalışan efektler kullanılamaz.</translation>
    </message>
    <message>
        <source>GNOME tells no program which window is in front (that needs a Shell extension): pausers and triggers cannot see programs.</source>
        <translation>GNOME hiçbir programa hangi pencerenin önde olduğunu söylemez (bunun için bir Shell uzantısı gerekir): duraklatıcılar ve tetikleyiciler programları göremez.</translation>
    </message>
    <message>
        <source>This compositor tells no program which window is in front: pausers and triggers cannot see programs.</source>
        <translation>Bu birleştirici hiçbir programa hangi pencerenin önde olduğunu söylemez: duraklatıcılar ve tetikleyiciler programları göremez.</translation>
    </message>
    <message>
        <source>This desktop does not say when you are idle: inactivity does not stop the timer.</source>
        <translation>Bu masaüstü ne zaman boşta olduğunuzu söylemez: hareketsizlik zamanlayıcıyı durdurmaz.</translation>
    </message>
    <message>
        <source>This desktop keeps keys to itself: bind each shortcut in the compositor&apos;s configuration, for example in sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; or in Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help lists the actions).</source>
        <translation>Bu masaüstü tuşları kendine saklar: her kısayolu birleştiricinin yapılandırmasında atayın, örneğin sway içinde &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; ya da Hyprland içinde &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help eylemleri listeler).</translation>
    </message>
    <message>
        <source>This desktop lets no window lie over everything: the overlay&apos;s colour goes through the screen&apos;s colours, and the lightness spot is not shown.</source>
        <translation>Bu masaüstü hiçbir pencerenin her şeyin üstünde durmasına izin vermez: katmanın rengi ekranın renkleri üzerinden verilir ve ışık noktası gösterilmez.</translation>
    </message>
    <message>
        <source>This desktop lets no program take the keyboard: strict breaks cannot keep other programs from keys.</source>
        <translation>Bu masaüstü hiçbir programın klavyeyi almasına izin vermez: sıkı molalar diğer programları tuşlardan uzak tutamaz.</translation>
    </message>
    <message>
        <source>This desktop has no tray (no StatusNotifierWatcher): start Kavo again to open its window.</source>
        <translation>Bu masaüstünde sistem tepsisi yok (StatusNotifierWatcher yok): penceresini açmak için Kavo&apos;yu yeniden başlatın.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Özel</translation>
    </message>
    <message>
        <source>&amp;Health</source>
        <translation>&amp;Sağlık</translation>
    </message>
    <message>
        <source>&amp;Sleep</source>
        <translation>&amp;Uyku</translation>
    </message>
    <message>
        <source>&amp;Gaming</source>
        <translation>&amp;Oyun</translation>
    </message>
    <message>
        <source>&amp;Reading</source>
        <translation>Oku&amp;ma</translation>
    </message>
    <message>
        <source>&amp;Programming</source>
        <translation>&amp;Programlama</translation>
    </message>
    <message>
        <source>&amp;Biohacker</source>
        <translation>&amp;Biohacker</translation>
    </message>
    <message>
        <source>&amp;Sunglasses</source>
        <translation>&amp;Güneş gözlüğü</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Karanlık</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>&amp;Film</translation>
    </message>
    <message>
        <source>&amp;Overlay</source>
        <translation>Kap&amp;lama</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Renk duraklatıcıları</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>Zamanlayıcı duraklatıcıları</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Fare duraklatıcıları</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>&amp;Change mode</source>
        <translation>&amp;Modu değiştir</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Otomatik</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>Ma&amp;nuel</translation>
    </message>
    <message>
        <source>&amp;Paused</source>
        <translation>&amp;Duraklatıldı</translation>
    </message>
    <message>
        <source>Stop auto clicker</source>
        <translation>Otomatik tıklayıcıyı durdur</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
</context>
<context>
    <name>message_box</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
</TS>
