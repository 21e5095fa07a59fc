#pragma once

// Every text of the attacks window ("Saldırılar") and of the steps it sends
// to the step window: for each attack its name, the situation, why real RSA
// is not broken this way, its tables' columns and the sentences between
// them, and the one sentence for each refusal. Turkish is the source
// language, in the glossary's words; {0}, {1}, ... are filled in after
// translation, and a number never takes a suffix.

#include "texts/Texts.h"

namespace rsa::texts::attacks {

inline constexpr const char* windowTitle = RSA_TEXT("rsa", "Saldırılar");
inline constexpr const char* listLabel = RSA_TEXT("rsa", "Saldırı:");
inline constexpr const char* numbersLabel = RSA_TEXT("rsa", "Sayılar:");
inline constexpr const char* readyExample = RSA_TEXT("rsa", "Hazır örnek");
inline constexpr const char* failingExample = RSA_TEXT("rsa", "Başarısız olduğu örnek");
inline constexpr const char* randomExample = RSA_TEXT("rsa", "Yeni rastgele örnek");
inline constexpr const char* mainWindowKey = RSA_TEXT("rsa", "Ana pencerenin anahtarı");
inline constexpr const char* run = RSA_TEXT("rsa", "Saldır");
inline constexpr const char* runTip =
    RSA_TEXT("rsa", "Saldırıyı yazılan sayılarla adım adım çalıştırır");
inline constexpr const char* numbersTip =
    RSA_TEXT("rsa", "Sayıları boşlukla ayırarak yazın; beklenen sıra yukarıda yazar");
// The line over the steps after an attack that worked: what it recovered.
inline constexpr const char* foundLine = RSA_TEXT("rsa", "Bulunan: {0}");
inline constexpr const char* foundSteps = RSA_TEXT("rsa", "adım sayısı: {0}");
inline constexpr const char* foundKeyOnLine = RSA_TEXT("rsa", "{0}. satırdaki anahtar: n = {1}");
inline constexpr const char* foundSkipped = RSA_TEXT("rsa", "atlanan satırlar: {0}");
inline constexpr const char* keyListPasteTooLong = RSA_TEXT(
    "rsa", "Yapıştırılan metin {0} karakter; bu kutu en çok {1} karakterlik bir liste alır. "
           "Daha uzun bir listeyi \"Dosyadan aç…\" ile açın.");
inline constexpr const char* noMainKey = RSA_TEXT(
    "rsa", "Ana pencerede henüz hesaplanmış bir anahtar yok ya da bu saldırı tek bir anahtarla "
           "yapılamaz.");

// A class's list of public keys for the shared-prime attack.
inline constexpr const char* keyListLabel =
    RSA_TEXT("rsa", "Açık anahtar listesi (her satıra bir anahtar satırı ya da bir n):");
inline constexpr const char* keyListTip = RSA_TEXT(
    "rsa", "Mesajlaşma penceresinin \"Kopyala\" ile verdiği satırlar (e = 17   n = 3233) ya da "
           "yalnız n sayıları; # işaretinden sonrası açıklamadır");
inline constexpr const char* openKeyList = RSA_TEXT("rsa", "Dosyadan aç…");
inline constexpr const char* runKeyList = RSA_TEXT("rsa", "Listeye saldır");
inline constexpr const char* keyListFilter = RSA_TEXT("rsa", "metin dosyası (*.txt)|*.txt");
inline constexpr const char* listGiven =
    RSA_TEXT("rsa", "Listeden {0} anahtar okundu, {1} satır atlandı.");
inline constexpr const char* skippedColumns[] = {RSA_TEXT("rsa", "atlanan satır"),
                                                 RSA_TEXT("rsa", "neden")};
inline constexpr const char* listPairs = RSA_TEXT(
    "rsa", "{0} anahtarın her ikilisinin ebob değeri hesaplandı ({1} ikili); tabloda yalnız "
           "1'den büyük çıkanlar var.");
inline constexpr const char* listColumns[] = {
    RSA_TEXT("rsa", "satır (n₁)"), RSA_TEXT("rsa", "satır (n₂)"), RSA_TEXT("rsa", "n₁"),
    RSA_TEXT("rsa", "n₂"), RSA_TEXT("rsa", "ebob(n₁, n₂)")};
inline constexpr const char* listFound = RSA_TEXT("rsa", "Satır {0}: {1} = {2} · {3}");

// The names of the attacks and the order of their numbers.
inline constexpr const char* fermatName =
    RSA_TEXT("rsa", "Fermat yöntemi: birbirine yakın asallar");
inline constexpr const char* fermatInput = RSA_TEXT("rsa", "n");
inline constexpr const char* pMinus1Name = RSA_TEXT("rsa", "Pollard p − 1 yöntemi");
inline constexpr const char* pMinus1Input = RSA_TEXT("rsa", "n, sınır B");
inline constexpr const char* sharedName = RSA_TEXT("rsa", "Ortak asal çarpan");
inline constexpr const char* sharedInput =
    RSA_TEXT("rsa", "n₁, n₂, … (en az iki açık anahtarın n sayısı)");
inline constexpr const char* smallEName = RSA_TEXT("rsa", "Dolgusuz küçük e");
inline constexpr const char* smallEInput = RSA_TEXT("rsa", "n, e, c");
inline constexpr const char* hastadName = RSA_TEXT("rsa", "Håstad'ın yayın saldırısı");
inline constexpr const char* hastadInput = RSA_TEXT("rsa", "e, n₁ … nₑ, c₁ … cₑ");
inline constexpr const char* commonName = RSA_TEXT("rsa", "Ortak modül");
inline constexpr const char* commonInput = RSA_TEXT("rsa", "n, e₁, e₂, c₁, c₂");
inline constexpr const char* wienerName = RSA_TEXT("rsa", "Wiener saldırısı: küçük d");
inline constexpr const char* wienerInput = RSA_TEXT("rsa", "n, e");
inline constexpr const char* chosenName =
    RSA_TEXT("rsa", "Şekil verilebilirlik ve seçilmiş şifreli metin");
inline constexpr const char* chosenInput = RSA_TEXT("rsa", "n, e, c");
inline constexpr const char* forgeName = RSA_TEXT("rsa", "Sahte imza");
inline constexpr const char* forgeInput = RSA_TEXT("rsa", "n, e, m₁, s₁, m₂, s₂");
inline constexpr const char* faultName = RSA_TEXT("rsa", "ÇKT ile imzada hata (Bellcore)");
inline constexpr const char* faultInput = RSA_TEXT("rsa", "n, e, m, hatalı imza s′");

// What every section says around the steps.
inline constexpr const char* sectionTitle = RSA_TEXT("rsa", "Saldırı – {0}");
inline constexpr const char* situationTitle = RSA_TEXT("rsa", "Durum");
inline constexpr const char* stepsTitle = RSA_TEXT("rsa", "Adımlar");
inline constexpr const char* whyNotTitle = RSA_TEXT("rsa", "Gerçek RSA neden böyle kırılmaz");
inline constexpr const char* refusedTitle = RSA_TEXT("rsa", "Saldırı burada tutmaz");
inline constexpr const char* numbersGiven = RSA_TEXT("rsa", "Sayılar: {0}.");

// The situations: what the attacker knows, what was done wrong.
inline constexpr const char* fermatSituation = RSA_TEXT(
    "rsa", "Saldırgan yalnız açık anahtardaki n sayısını bilir. Anahtarı üreten p ve q asallarını "
           "birbirine çok yakın seçmiştir. O zaman n = a² − b² = (a − b)(a + b) olacak biçimde "
           "√n sayısının hemen üstünde bir a vardır: a sayısı √n sayısından başlayarak birer "
           "artırılır, a² − n tam kare olunca p = a − b, q = a + b bulunur.");
inline constexpr const char* pMinus1Situation = RSA_TEXT(
    "rsa", "Saldırgan n sayısını bilir. p − 1 sayısının bütün asal çarpanları küçüktür, yani p − 1 "
           "sayısı B! sayısını böler. Fermat'nın küçük teoremine göre 2^(B!) mod p = 1 olur; bu "
           "yüzden ebob(2^(B!) − 1, n) sayısı p asalını verir.");
inline constexpr const char* sharedSituation = RSA_TEXT(
    "rsa", "Saldırgan birkaç açık anahtarın n sayılarını bilir. Anahtarlar kötü bir rastgele "
           "kaynakla üretildiği için iki anahtar aynı asalı kullanmıştır. İki n sayısının ebob "
           "değeri genişletilmiş Öklid algoritmasıyla hemen bulunur ve ikisini de çarpanlarına "
           "ayırır.");
inline constexpr const char* smallESituation = RSA_TEXT(
    "rsa", "Saldırgan açık anahtarı (e, n) ve bir şifreli blok c bilir. e küçüktür ve ileti "
           "dolgusuz şifrelenmiştir; mᵉ sayısı n sayısından küçük kaldığı için mod n'ye göre "
           "indirgeme hiç olmamıştır: c = mᵉ. c sayısının tam e. kökü iletidir.");
inline constexpr const char* hastadSituation = RSA_TEXT(
    "rsa",
    "Aynı ileti m, açık üssü e olan e kişiye dolgusuz gönderilmiştir. Saldırgan her alıcının "
    "n sayısını ve şifreli blokları bilir. Çin kalan teoremi mᵉ sayısını bütün n "
    "sayılarının çarpımına göre verir; mᵉ bu çarpımdan küçük olduğundan tam e. kökü "
    "iletidir.");
inline constexpr const char* commonSituation = RSA_TEXT(
    "rsa", "Aynı ileti aynı n ile ama iki farklı açık üsle (e₁ ve e₂) şifrelenmiştir. Saldırgan n, "
           "e₁, e₂ ve iki şifreli bloğu bilir. ebob(e₁, e₂) = 1 ise genişletilmiş Öklid "
           "algoritması a · e₁ + b · e₂ = 1 eşitliğini verir ve m = c₁ᵃ · c₂ᵇ mod n olur.");
inline constexpr const char* wienerSituation = RSA_TEXT(
    "rsa", "Saldırgan açık anahtarı (e, n) bilir. Şifre çözmeyi hızlandırmak için özel üs d çok "
           "küçük seçilmiştir. e · d − k · φ = 1 olduğundan k/d kesri e/n kesrine çok yakındır ve "
           "e/n sayısının sürekli kesrinin yakınsaklarından biridir. Her yakınsak için "
           "φ = (e · d − 1)/k hesaplanır ve x² − (n − φ + 1)x + n = 0 denkleminin tam sayı kökleri "
           "aranır.");
inline constexpr const char* chosenSituation = RSA_TEXT(
    "rsa", "Dolgusuz RSA çarpmayla uyumludur: E(a) · E(b) mod n = E(a · b). Saldırgan c şifreli "
           "bloğunu ve açık anahtarı bilir; anahtarın sahibi c dışındaki her bloğu onun için "
           "çözer. Saldırgan c · 2ᵉ mod n bloğunu çözdürür, 2m mod n sayısını alır ve 2 sayısının "
           "mod n'ye göre tersiyle çarpar.");
inline constexpr const char* forgeSituation = RSA_TEXT(
    "rsa", "Saldırgan iki iletinin imzasını bilir; özel üs d elinde yoktur. İmzalar dolgusuz "
           "olduğundan s₁ · s₂ mod n sayısı m₁ · m₂ mod n iletisinin geçerli imzasıdır. 00 ve 01 "
           "blokları da kendi kendilerinin imzasıdır: 0ᵈ = 0 ve 1ᵈ = 1.");
inline constexpr const char* faultSituation = RSA_TEXT(
    "rsa", "İmzalayan, hız için imzayı Çin kalan teoremiyle mod p ve mod q yarılarında ayrı ayrı "
           "hesaplar. Yarılardan birinde bir hata olmuş ve imza denetlenmeden gönderilmiştir. "
           "Hatalı s′ imzası mod p'ye göre doğru, mod q'ya göre yanlıştır; bu yüzden "
           "ebob(s′ᵉ − m, n) = p olur.");

// Why real RSA is not broken this way.
inline constexpr const char* fermatWhyNot = RSA_TEXT(
    "rsa", "Gerçek anahtarlarda p ve q birbirinden bağımsız, rastgele ve aynı büyüklükte seçilir; "
           "aralarındaki fark n sayısının dördüncü kökünden çok büyüktür, Fermat yöntemi "
           "milyarlarca yıl sürer. Standartlar p − q farkının büyük olmasını ayrıca denetler.");
inline constexpr const char* pMinus1WhyNot = RSA_TEXT(
    "rsa", "Rastgele seçilmiş 1024 bitlik bir asalda p − 1 sayısının yalnız küçük çarpanlardan "
           "oluşması neredeyse imkânsızdır; bu yüzden gerçek anahtarlar bu yöntemle kırılmaz.");
inline constexpr const char* sharedWhyNot = RSA_TEXT(
    "rsa", "İyi bir rastgele kaynakla üretilen anahtarlar asal paylaşmaz: 1024 bitlik asalların "
           "sayısı o kadar büyüktür ki iki anahtarın aynı asala düşmesi olanaksızdır. 2012'de "
           "bulunan ortak asallar, açılışta yeterince rastgelelik toplayamayan cihazlardan "
           "geliyordu.");
inline constexpr const char* smallEWhyNot = RSA_TEXT(
    "rsa", "Gerçek RSA iletiyi şifrelemeden önce OAEP dolgusuyla n büyüklüğünde rastgele "
           "görünen bir sayıya çevirir; mᵉ her zaman n sayısını aşar ve indirgeme kökü gizler. "
           "Açık üs de genellikle 65537 seçilir.");
inline constexpr const char* hastadWhyNot = RSA_TEXT(
    "rsa", "OAEP dolgusu her gönderimde iletiye yeni rastgele baytlar katar; alıcılar aynı m "
           "sayısını değil, her biri başka bir sayıyı alır ve Çin kalan teoremi ortak bir mᵉ "
           "vermez.");
inline constexpr const char* commonWhyNot = RSA_TEXT(
    "rsa", "Gerçek RSA'da her kişinin kendi n sayısı vardır; n paylaşılmaz, çünkü bir anahtar "
           "çiftini bilen n sayısını çarpanlarına ayırabilir. Dolgu da aynı iletiyi her seferinde "
           "başka bir sayıya çevirir.");
inline constexpr const char* wienerWhyNot = RSA_TEXT(
    "rsa", "Gerçek anahtarlarda e = 65537 seçilir ve d, φ kadar büyük bir sayı olur; n^¼/3 "
           "sınırının çok üstündedir. Şifre çözmeyi hızlandırmak için d küçültülmez, Çin kalan "
           "teoremi kullanılır.");
inline constexpr const char* chosenWhyNot = RSA_TEXT(
    "rsa", "OAEP dolgusu çarpmayla uyumu bozar: c · 2ᵉ bloğu çözülünce geçerli bir dolgu çıkmaz "
           "ve çözen taraf sonucu vermeden reddeder.");
inline constexpr const char* forgeWhyNot = RSA_TEXT(
    "rsa", "Gerçek imzalarda iletinin kendisi değil, özet değeri PSS dolgusuyla imzalanır. İki "
           "imzanın çarpımı hiçbir iletinin geçerli dolgulu özeti olmaz.");
inline constexpr const char* faultWhyNot = RSA_TEXT(
    "rsa", "İmzalayan, Çin kalan teoremiyle hesapladığı imzayı göndermeden önce sᵉ mod n = m "
           "olup olmadığını denetler; hatalı imza hiç dışarı çıkmaz. PSS dolgusu da imzalananı "
           "saldırgandan gizler.");

// The tables' columns.
inline constexpr const char* fermatColumns[] = {RSA_TEXT("rsa", "adım"), RSA_TEXT("rsa", "a"),
                                                RSA_TEXT("rsa", "a² − n"),
                                                RSA_TEXT("rsa", "tam kare mi?")};
inline constexpr const char* pMinus1Columns[] = {
    RSA_TEXT("rsa", "j"), RSA_TEXT("rsa", "a = a^j mod n"), RSA_TEXT("rsa", "ebob(a − 1, n)")};
inline constexpr const char* sharedColumns[] = {RSA_TEXT("rsa", "n₁"), RSA_TEXT("rsa", "n₂"),
                                                RSA_TEXT("rsa", "ebob(n₁, n₂)")};
inline constexpr const char* rootColumns[] = {RSA_TEXT("rsa", "sayı"), RSA_TEXT("rsa", "tam kök r"),
                                              RSA_TEXT("rsa", "rᵉ"), RSA_TEXT("rsa", "tam mı?")};
inline constexpr const char* crtColumns[] = {
    RSA_TEXT("rsa", "cᵢ"), RSA_TEXT("rsa", "nᵢ"), RSA_TEXT("rsa", "Nᵢ = N / nᵢ"),
    RSA_TEXT("rsa", "Nᵢ⁻¹ mod nᵢ"), RSA_TEXT("rsa", "cᵢ · Nᵢ · Nᵢ⁻¹ mod N")};
inline constexpr const char* euclidColumns[] = {RSA_TEXT("rsa", "satır"), RSA_TEXT("rsa", "r"),
                                                RSA_TEXT("rsa", "q"), RSA_TEXT("rsa", "a"),
                                                RSA_TEXT("rsa", "b")};
inline constexpr const char* wienerColumns[] = {RSA_TEXT("rsa", "i"),
                                                RSA_TEXT("rsa", "kısmi bölüm"),
                                                RSA_TEXT("rsa", "k/d"),
                                                RSA_TEXT("rsa", "φ = (e · d − 1)/k"),
                                                RSA_TEXT("rsa", "x² − sx + n, s"),
                                                RSA_TEXT("rsa", "kökler")};
inline constexpr const char* blockColumns[] = {RSA_TEXT("rsa", "adım"), RSA_TEXT("rsa", "hesap"),
                                               RSA_TEXT("rsa", "sonuç")};

// The sentences between and after the tables.
inline constexpr const char* fermatStart =
    RSA_TEXT("rsa", "√{0} sayısının tam kısmı {1}; a = {2} ile başlanır.");
inline constexpr const char* yes = RSA_TEXT("rsa", "evet, {0}²");
inline constexpr const char* no = RSA_TEXT("rsa", "hayır");
inline constexpr const char* exact = RSA_TEXT("rsa", "evet");
inline constexpr const char* factorsFound =
    RSA_TEXT("rsa", "Çarpanlar bulundu: {0} = {1} · {2}. Sağlama: {1} · {2} = {0}.");
inline constexpr const char* pMinus1Start = RSA_TEXT(
    "rsa", "a = 2 ile başlanır ve j = 2, 3, …, {0} için a yerine a^j mod n yazılır; sonunda "
           "a = 2^({0}!) mod n olur.");
inline constexpr const char* sharedFound = RSA_TEXT("rsa", "{0} = {1} · {2}");
inline constexpr const char* crtValue =
    RSA_TEXT("rsa", "N = {0}. Terimlerin toplamı mod N: x = {1}; bu sayı mᵉ sayısının kendisidir.");
inline constexpr const char* bezout =
    RSA_TEXT("rsa", "Son satır: {0} · ({1}) + {2} · ({3}) = 1, yani a = {1}, b = {3}.");
inline constexpr const char* negativeExponent =
    RSA_TEXT("rsa", "Üs negatif olduğundan {0} sayısının tersi kullanılır (mod {1}): {0}⁻¹ = {2}.");
inline constexpr const char* wienerBound =
    RSA_TEXT("rsa", "Saldırının koşulu d < n^¼ / 3: n^¼ ≈ {0},{1}, sınır ≈ {2},{3}.");
inline constexpr const char* wienerFound = RSA_TEXT(
    "rsa", "Özel üs d = {0}, p = {1}, q = {2}. Sağlama: {1} · {2} = {3} ve e · d mod φ = {4} · {0} "
           "mod {5} = 1.");
inline constexpr const char* malleable =
    RSA_TEXT("rsa", "Çarpmayla uyum: E(2) = {0}, E(5) = {1}, E(2) · E(5) mod n = {2} = E(10).");
inline constexpr const char* chosenSend =
    RSA_TEXT("rsa", "Saldırganın çözdürdüğü blok: c · 2ᵉ mod n = {0} · {1} mod {2}");
inline constexpr const char* chosenAnswer =
    RSA_TEXT("rsa", "Anahtarın sahibinin verdiği yanıt: {0} = 2m mod n");
inline constexpr const char* chosenHalve =
    RSA_TEXT("rsa", "2 sayısının mod n'ye göre tersi {0}; m = {1} · {0} mod {2}");
inline constexpr const char* forgeCheck = RSA_TEXT("rsa", "İmza denetimi: {0}{1} mod {2}");
inline constexpr const char* forgeProduct = RSA_TEXT("rsa", "m = m₁ · m₂ mod n, s = s₁ · s₂ mod n");
inline constexpr const char* forgeFound = RSA_TEXT(
    "rsa", "Sahte imza: m = {0} için s = {1}. Sağlama: {1}{2} mod {3} = {0}; d kullanılmadı.");
inline constexpr const char* faultPower = RSA_TEXT("rsa", "s′ᵉ mod n");
inline constexpr const char* faultDifference = RSA_TEXT("rsa", "s′ᵉ − m mod n");
inline constexpr const char* faultGcd = RSA_TEXT("rsa", "ebob(s′ᵉ − m, n)");
inline constexpr const char* messageFound =
    RSA_TEXT("rsa", "İleti m = {0}. Sağlama: {0}{1} mod {2} = {3}, şifreli blok geri geldi.");

// The refusals, one sentence each.
inline constexpr const char* refuseCount =
    RSA_TEXT("rsa", "Bu saldırı {0} sayı bekler, {1} sayı verildi.");
inline constexpr const char* refuseModulus =
    RSA_TEXT("rsa", "n = {0} olamaz: n en az 15 ve en çok {1} olmalı.");
inline constexpr const char* refuseBlock =
    RSA_TEXT("rsa", "{0} sayısı n = {1} sayısından küçük olmalı.");
inline constexpr const char* refuseExponent =
    RSA_TEXT("rsa", "e = {0} olamaz: açık üs 2 ile {1} arasında olmalı.");
inline constexpr const char* refuseFermatSteps = RSA_TEXT(
    "rsa", "{0} adımda a² − n hiç tam kare olmadı: n sayısının çarpanları birbirine yakın değil.");
inline constexpr const char* refuseFermatPrime =
    RSA_TEXT("rsa", "Yalnız 1 · {0} bulundu: {0} asal, çarpanlarına ayrılamaz.");
inline constexpr const char* refuseEven =
    RSA_TEXT("rsa", "n = {0} çift: çarpanı 2, bu saldırıya gerek yok.");
inline constexpr const char* refusePMinus1None = RSA_TEXT(
    "rsa", "ebob = 1: B = {0} sınırı küçük kaldı; hiçbir p − 1 sayısı {0}! sayısını bölmüyor.");
inline constexpr const char* refusePMinus1All = RSA_TEXT(
    "rsa", "ebob = n: B = {0} için iki asalın p − 1 sayıları da {0}! sayısını bölüyor; daha küçük "
           "bir sınır deneyin.");
inline constexpr const char* refuseSharedNone =
    RSA_TEXT("rsa", "Hiçbir iki n sayısı ortak bir asal paylaşmıyor.");
inline constexpr const char* refuseNotPower = RSA_TEXT(
    "rsa", "{0} sayısı tam bir {1}. kuvvet değil: mᵉ sayısı n sayısını aştı ve indirgeme kökü "
           "gizledi.");
inline constexpr const char* refuseNotOneMessage = RSA_TEXT(
    "rsa", "x = {0} tam bir {1}. kuvvet değil, yani bloklar aynı iletinin şifreleri değil: her n "
           "sayısından küçük tek bir m için Çin kalan teoremi mᵉ sayısının kendisini verirdi.");
inline constexpr const char* refuseModuliShare = RSA_TEXT(
    "rsa", "n sayıları aralarında asal değil ya da çarpımları çok büyük; Çin kalan teoremi "
           "uygulanamaz.");
inline constexpr const char* refuseExponentsShare = RSA_TEXT(
    "rsa", "ebob(e₁, e₂) = ebob({0}, {1}) = {2}: a · e₁ + b · e₂ = 1 eşitliği yok, saldırı "
           "yapılamaz.");
inline constexpr const char* refuseNoInverse =
    RSA_TEXT("rsa", "{0} sayısının tersi yok (mod {1}).");
inline constexpr const char* refuseWiener = RSA_TEXT(
    "rsa", "Hiçbir yakınsak n sayısını çarpanlarına ayırmadı: d, n^¼ / 3 sınırının üstünde.");
inline constexpr const char* refuseNoKey = RSA_TEXT(
    "rsa", "{0} iki asalın çarpımı değil ya da e ile φ aralarında asal değil; şifre çözen anahtar "
           "sahibi yok.");
inline constexpr const char* refuseSignature =
    RSA_TEXT("rsa", "s = {0} imzası m = {1} iletisinin imzası değil: s{2} mod n = {3}.");
inline constexpr const char* refuseNotNumber =
    RSA_TEXT("rsa", "\"{0}\" 0 ya da daha büyük bir tam sayı değil.");
inline constexpr const char* refuseTooLarge =
    RSA_TEXT("rsa", "{0} bu pencere için çok büyük: en çok {1} olabilir.");
inline constexpr const char* refuseNotKeyLine = RSA_TEXT(
    "rsa", "Bu satır ne bir açık anahtar satırı (e = 17   n = 3233 gibi) ne de tek bir n sayısı.");
inline constexpr const char* refuseSameKey =
    RSA_TEXT("rsa", "Bu n sayısı satır {0} ile aynı; aynı anahtar bir kez sayılır.");
inline constexpr const char* refuseFewKeys =
    RSA_TEXT("rsa", "Listede en az iki anahtar olmalı; {0} anahtar okundu.");
inline constexpr const char* refuseTooManyKeys =
    RSA_TEXT("rsa", "Listede boş ya da açıklama olmayan {0} satır var; bu pencere en çok {1} "
                    "anahtarı karşılaştırır.");
inline constexpr const char* refuseNotText = RSA_TEXT(
    "rsa", "Bu dosya metin değil (içinde sıfır baytı var); anahtarlar satır satır yazılmış bir "
           "metin dosyasında olmalı.");
inline constexpr const char* refuseFaultNone =
    RSA_TEXT("rsa", "ebob = {0}: imza ya doğru ya da iki yarısı da hatalı; çarpan ortaya çıkmadı.");

} // namespace rsa::texts::attacks
