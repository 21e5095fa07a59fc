#pragma once

// Every text of the real-size window ("Gerçek boyut", --gercek-boyut): keys of
// real sizes, textbook RSA against OAEP, and the factoring race. Turkish is the
// source language, marked with RSA_TEXT like Texts.h; {0}, {1}, ... are filled
// in after translation, so a translation keeps the slots. The terms are the
// glossary's: açık/özel üs, açık metin, şifreli metin, dolgu, çarpanlarına
// ayırma.

#include "texts/Texts.h"

namespace rsa::texts::realsize {

// The locale numbers are written in ("0,05 saniye" in Turkish, "0.05 seconds"
// in English): the catalogue names it for each language.
inline constexpr const char* numberLocale = RSA_TEXT("rsa", "tr_TR");

inline constexpr const char* windowTitle = RSA_TEXT("rsa", "Gerçek boyut");

// Key generation.
inline constexpr const char* keyGroup = RSA_TEXT("rsa", "Anahtar üretimi");
inline constexpr const char* keySize = RSA_TEXT("rsa", "n sayısının boyu:");
inline constexpr const char* bits = RSA_TEXT("rsa", "{0} bit");
inline constexpr const char* generate = RSA_TEXT("rsa", "Anahtar üret");
inline constexpr const char* cancel = RSA_TEXT("rsa", "İptal");
inline constexpr const char* generating = RSA_TEXT("rsa", "{0} bitlik anahtar üretiliyor…");
inline constexpr const char* generated =
    RSA_TEXT("rsa", "{0} bitlik anahtar {1} saniyede üretildi. Sağlama: n = p · q, "
                    "e · d mod φ(n) = 1, şifreleyip çözmek sayıyı geri verdi.");
inline constexpr const char* generationCancelled = RSA_TEXT("rsa", "Anahtar üretimi iptal edildi.");
// {0} names the number, {1} and {2} are its digit and bit counts.
inline constexpr const char* numberHeading = RSA_TEXT("rsa", "{0} ({1} basamak, {2} bit):");
inline constexpr const char* primeP = RSA_TEXT("rsa", "p (asal sayı)");
inline constexpr const char* primeQ = RSA_TEXT("rsa", "q (asal sayı)");
inline constexpr const char* modulus = RSA_TEXT("rsa", "n = p · q");
inline constexpr const char* publicExponent = RSA_TEXT("rsa", "e (açık üs)");
inline constexpr const char* privateExponent = RSA_TEXT("rsa", "d (özel üs, e⁻¹ mod φ(n))");

// Textbook RSA against OAEP.
inline constexpr const char* textGroup = RSA_TEXT("rsa", "Metin şifreleme");
inline constexpr const char* plaintext = RSA_TEXT("rsa", "Açık metin:");
inline constexpr const char* encrypt = RSA_TEXT("rsa", "Şifrele");
inline constexpr const char* needKey = RSA_TEXT("rsa", "Önce bir anahtar üretin.");
inline constexpr const char* encrypting = RSA_TEXT("rsa", "Şifreleniyor…");
inline constexpr const char* textbookHeading =
    RSA_TEXT("rsa", "Ders kitabı RSA (dolgusuz): metnin baytları n sayısından küçük tek bir "
                    "sayı m, c = m^e mod n");
inline constexpr const char* oaepHeading =
    RSA_TEXT("rsa", "RSA-OAEP (SHA-256 ile dolgu, OpenSSL): her şifrelemede yeni rastgele baytlar");
// {0} is 1 or 2, {1} the cipher text shortened as below.
inline constexpr const char* cipherLine = RSA_TEXT("rsa", "{0}. şifreli metin: {1}");
// The first and last digits of a long number, and how many it has.
inline constexpr const char* shortened = RSA_TEXT("rsa", "{0}…{1} ({2} basamak)");
inline constexpr const char* sameQuestion = RSA_TEXT("rsa", "İki şifreli metin aynı mı? {0}");
inline constexpr const char* yes = RSA_TEXT("rsa", "evet");
inline constexpr const char* no = RSA_TEXT("rsa", "hayır");
inline constexpr const char* textbookWhy =
    RSA_TEXT("rsa", "Dolgusuz RSA'da aynı açık metin her seferinde aynı şifreli metni verir: bir "
                    "saldırgan tahmin ettiği metni açık anahtarla şifreleyip karşılaştırabilir.");
inline constexpr const char* oaepWhy =
    RSA_TEXT("rsa", "OAEP'nin rastgele dolgusu eşit açık metinleri gizler: şifreli metinler her "
                    "seferinde farklıdır, yine de ikisi de aynı açık metne çözülür.");
// {0} is the method, {1} the number of the cipher text, {2} the text it gave.
inline constexpr const char* decryptedLine = RSA_TEXT("rsa", "Şifre çözme ({0}, {1}): {2}");
inline constexpr const char* textbookShort = RSA_TEXT("rsa", "ders kitabı");
inline constexpr const char* emptyText =
    RSA_TEXT("rsa", "Şifrelenecek bir metin yazın (bu anahtarla en fazla {0} bayt).");
inline constexpr const char* textTooLong =
    RSA_TEXT("rsa", "Metin bu anahtar için çok uzun: en fazla {0} bayt sığar, bu metnin ise yalnız "
                    "ilk {1} karakteri.");
inline constexpr const char* keyTooSmall =
    RSA_TEXT("rsa", "OAEP dolgusu 66 bayt yer tutar, bu anahtara hiçbir metin sığmaz: en az 1024 "
                    "bitlik bir anahtar üretin.");
// {0} is the library's own reason, in English.
inline constexpr const char* failed = RSA_TEXT("rsa", "İşlem başarısız oldu: {0}");
// The reason of a failure that gave none of its own.
inline constexpr const char* unexpectedFailure = RSA_TEXT("rsa", "beklenmeyen bir hata");

// The factoring race.
inline constexpr const char* raceGroup = RSA_TEXT("rsa", "Çarpanlarına ayırma yarışı");
inline constexpr const char* raceIntro =
    RSA_TEXT("rsa", "Her noktada iki rastgele asal sayının çarpımı olan yeni bir n, FLINT'in "
                    "kuadratik elek yöntemiyle çarpanlarına ayrılır.");
inline constexpr const char* limit = RSA_TEXT("rsa", "Bir nokta için sınır:");
inline constexpr const char* secondsSuffix = RSA_TEXT("rsa", " saniye");
inline constexpr const char* start = RSA_TEXT("rsa", "Başlat");
inline constexpr const char* stop = RSA_TEXT("rsa", "Durdur");
inline constexpr const char* racePoint = RSA_TEXT("rsa", "{0} bit: n = p · q bulundu, {1} saniye.");
inline constexpr const char* raceLimit =
    RSA_TEXT("rsa", "Yarış durdu: {0} bitlik iki ayrı sayı da {1} saniyelik sınır içinde "
                    "çarpanlarına ayrılamadı.");
inline constexpr const char* raceStopped = RSA_TEXT("rsa", "Yarış durduruldu.");
inline constexpr const char* raceReached = RSA_TEXT("rsa", "Yarış {0} bite ulaştı.");
inline constexpr const char* axisBits = RSA_TEXT("rsa", "n sayısının bit sayısı");
inline constexpr const char* axisTime = RSA_TEXT("rsa", "süre (logaritmik ölçek)");
// The marks of the time axis: a millisecond, a second, an hour, a year, and
// {0} years (1.000, 10⁶, 10⁹, ...).
inline constexpr const char* millisecondMark = RSA_TEXT("rsa", "1 ms");
inline constexpr const char* secondMark = RSA_TEXT("rsa", "1 saniye");
inline constexpr const char* hourMark = RSA_TEXT("rsa", "1 saat");
inline constexpr const char* yearMark = RSA_TEXT("rsa", "1 yıl");
inline constexpr const char* yearsMark = RSA_TEXT("rsa", "{0} yıl");
inline constexpr const char* measured = RSA_TEXT("rsa", "Ölçülen (bu bilgisayar)");
inline constexpr const char* extrapolated = RSA_TEXT("rsa", "Tahmin (ölçülmedi)");
inline constexpr const char* record = RSA_TEXT("rsa", "RSA-250 rekoru (2020)");
inline constexpr const char* chartNote = RSA_TEXT(
    "rsa", "Ölçülen noktalar, bu bilgisayarın bir çekirdeğinde FLINT ile alınan sürelerdir. "
           "Tahmin ölçülmedi: RSA-250 rekoru (829 bit, 2020, yaklaşık {0} çekirdek-yılı), GNFS "
           "yönteminin büyümesi L(n) = exp((64/9)^(1/3) (ln n)^(1/3) (ln ln n)^(2/3)) ile 512, "
           "1024 ve 2048 bite ölçeklendi.");
// {0} is the years on one core, as a power of ten; {1} the years on a million
// cores, written whole.
inline constexpr const char* verdict2048 =
    RSA_TEXT("rsa", "Bu tahmine göre 2048 bitlik bir n sayısını çarpanlarına ayırmak tek bir "
                    "işlemci çekirdeğiyle yaklaşık {0} yıl sürerdi; bir milyon çekirdek birlikte "
                    "çalışsa bile yaklaşık {1} yıl.");

// The step window's sections (--adim-adim): sizes and counts, never the
// numbers' thousands of digits.
// {0} is the size of n in bits.
inline constexpr const char* keySection = RSA_TEXT("rsa", "Gerçek boyutta anahtar: {0} bit");
// {0} is the bits of each prime, {1} the bits and {2} the digits of n.
inline constexpr const char* keySizes =
    RSA_TEXT("rsa", "p ve q, GMP'nin olasılıklı asallık testinden geçen {0} bitlik rastgele iki "
                    "asal sayıdır; n = p · q {1} bit, {2} basamaktır.");
inline constexpr const char* powerIntro =
    RSA_TEXT("rsa", "“Kare al ve çarp” yöntemiyle modüler üs alma, üssün ilk bitinden sonraki her "
                    "bit için bir kare "
                    "alma ve sonraki her 1 biti için bir çarpma yapar:");
inline constexpr const char* powerExponent = RSA_TEXT("rsa", "Üs");
inline constexpr const char* powerBits = RSA_TEXT("rsa", "Bit");
inline constexpr const char* powerSquarings = RSA_TEXT("rsa", "Kare alma");
inline constexpr const char* powerMultiplications = RSA_TEXT("rsa", "Çarpma");
inline constexpr const char* powerEncrypt = RSA_TEXT("rsa", "e (şifreleme)");
inline constexpr const char* powerDecrypt = RSA_TEXT("rsa", "d (şifre çözme)");
// {0} is the characters of the text as a reader counts them, {1} its bytes,
// {2} the size of n in bits.
inline constexpr const char* textSection =
    RSA_TEXT("rsa", "Gerçek boyutta şifreleme: {0} karakter ({1} bayt), {2} bitlik anahtar");
// {0} is yes or no.
inline constexpr const char* textbookSame =
    RSA_TEXT("rsa", "Ders kitabı RSA ile iki şifreli metin aynı mı? {0}");
inline constexpr const char* oaepSame =
    RSA_TEXT("rsa", "RSA-OAEP ile iki şifreli metin aynı mı? {0}");
inline constexpr const char* allBack =
    RSA_TEXT("rsa", "Dört şifreli metnin dördü de çözülünce açık metni geri verdi.");
inline constexpr const char* raceSection = RSA_TEXT("rsa", "Çarpanlarına ayırma yarışı");
// {0} is the number of points, {1} and {2} the smallest and largest n in bits.
inline constexpr const char* raceMeasured = RSA_TEXT(
    "rsa", "Ölçülen: {0} nokta, {1} ile {2} bit arası. Her noktada iki eşit boylu rastgele "
           "asal sayının çarpımı n, FLINT'in kuadratik elek yöntemiyle "
           "çarpanlarına ayrıldı; süre yalnızca bu ayırmanın süresidir.");

// The attacks on big keys made badly on purpose.
inline constexpr const char* attacksGroup =
    RSA_TEXT("rsa", "Kötü yapılmış büyük anahtarlara saldırılar");
inline constexpr const char* attacksIntro = RSA_TEXT(
    "rsa", "Bazı saldırılar gerçek boyutta da işe yarar, yeter ki anahtar kötü yapılmış olsun. "
           "Buradaki anahtarlar bilerek kötü yapılır: d çok küçük (Wiener), p ile q birbirine çok "
           "yakın (Fermat) ya da birçok anahtar arasında bazıları bir asalı paylaşıyor.");
inline constexpr const char* attackKeySize = RSA_TEXT("rsa", "Anahtar boyu:");
inline constexpr const char* wienerButton = RSA_TEXT("rsa", "Wiener: küçük d");
inline constexpr const char* fermatButton = RSA_TEXT("rsa", "Fermat: yakın asallar");
inline constexpr const char* keyCount = RSA_TEXT("rsa", "Anahtar sayısı:");
inline constexpr const char* sharedPairs = RSA_TEXT("rsa", "Asal paylaşan çift:");
inline constexpr const char* surveyButton = RSA_TEXT("rsa", "Ortak asalları ara");
// {0} is the size of n in bits, {1} that of d.
inline constexpr const char* makingWienerKey =
    RSA_TEXT("rsa", "{0} bitlik, d'si yalnız {1} bit olan bir anahtar üretiliyor…");
// {0} is the size of n in bits.
inline constexpr const char* makingCloseKey =
    RSA_TEXT("rsa", "{0} bitlik, p ile q'nun üst yarısı aynı olan bir anahtar üretiliyor…");
// {0} is the number of moduli, {1} their size in bits.
inline constexpr const char* makingModuli =
    RSA_TEXT("rsa", "{1} bitlik {0} modül üretiliyor, sonra ebob'lar ölçülüyor…");
// {0} is the convergent's number i, counted from 0 (0/1) as in the step
// window's table, {1} the milliseconds.
inline constexpr const char* wienerFound =
    RSA_TEXT("rsa", "Wiener: d, e/n sürekli kesrinin {0}. yakınsağından {1} milisaniyede bulundu.");
// {0} is how many convergents were tried.
inline constexpr const char* wienerNotFound =
    RSA_TEXT("rsa", "Wiener: {0} yakınsağın hiçbiri d'yi vermedi; d, Wiener sınırının üstünde.");
// {0} and {1} are the sizes of n and e, {2} of the bound n^(1/4)/3, {3} of d,
// {4} the convergent's number i (from 0), {5} d itself, {6} and {7} the primes.
inline constexpr const char* wienerDetails = RSA_TEXT(
    "rsa", "n {0} bit, e {1} bit. Wiener sınırı n^¼ / 3 {2} bittir; gizli d {3} bit.\n"
           "e/n sürekli kesrinin {4}. yakınsağı k/d: d = {5}\n"
           "φ(n) = (e · d − 1) / k ile x² − (n − φ(n) + 1) x + n = 0 denkleminin tam sayı kökleri, "
           "tam sayı karekökle:\np = {6}\nq = {7}\nDenetim: p · q = n ve e · d mod φ(n) = 1.");
// {0} is the number of steps, {1} the milliseconds.
inline constexpr const char* fermatFound =
    RSA_TEXT("rsa", "Fermat: n, {0} adımda, {1} milisaniyede çarpanlarına ayrıldı.");
// {0} is the number of steps.
inline constexpr const char* fermatNotFound =
    RSA_TEXT("rsa", "Fermat: {0} adımda kare bulunamadı; p ile q birbirinden uzak.");
// {0} is the size of n in bits, {1} the number of top bits p and q share,
// {2} the steps, {3} a, {4} b, {5} and {6} the primes.
inline constexpr const char* fermatDetails =
    RSA_TEXT("rsa", "n {0} bit; p ile q'nun üst {1} biti aynı. a = ⌈√n⌉ ile başlanınca {2}. adımda "
                    "a² − n bir kare oldu, b²:\na = {3}\nb = {4}\nn = (a − b)(a + b):\np = {5}\n"
                    "q = {6}\nDenetim: p · q = n.");
// {0} is the number of moduli, {1} of those whose prime was found, {2} the
// seconds, {3} their numbers (counted from 1).
inline constexpr const char* surveyFound =
    RSA_TEXT("rsa", "{0} anahtarın {1} tanesinin asalları toplu ebob ile {2} saniyede bulundu: "
                    "{3}. anahtar.");
// {0} is the key's number (from 1), {1} its gcd with the product of the others.
inline constexpr const char* sharedPrimeLine =
    RSA_TEXT("rsa", "{0}. anahtar: başka bir anahtarla ortak asalı {1}");
// {0} is the number of moduli, {1} the seconds.
inline constexpr const char* surveyNone = RSA_TEXT(
    "rsa", "{0} anahtarın hiçbiri başka bir anahtarla asal paylaşmıyor (toplu ebob, {1} saniye).");
// The step window's sections of the attacks on big keys.
// {0} is the size of n in bits.
inline constexpr const char* wienerSection =
    RSA_TEXT("rsa", "Gerçek boyutta Wiener saldırısı: {0} bitlik anahtar");
// {0} and {1} are the size of n in bits and digits, {2} the size of e, {3}
// that of the bound n^(1/4)/3.
inline constexpr const char* wienerIntro = RSA_TEXT(
    "rsa", "n {0} bit ({1} basamak), e {2} bit; saldırının koşulu d < n^¼ / 3, bu sınır {3} "
           "bittir. e/n sürekli kesrinin her yakınsağı k/d bir adaydır: φ = (e · d − 1)/k tam "
           "sayı olmalı ve x² − (n − φ + 1)x + n = 0 denkleminin diskriminantı tam kare olmalı.");
inline constexpr const char* wienerBigColumns[] = {
    RSA_TEXT("rsa", "i"), RSA_TEXT("rsa", "k"), RSA_TEXT("rsa", "d"),
    RSA_TEXT("rsa", "φ = (e · d − 1)/k"), RSA_TEXT("rsa", "diskriminant tam kare mi?")};
inline constexpr const char* notWhole = RSA_TEXT("rsa", "tam değil");
// {0} is how many convergents were tried, {1} in how many phi was whole.
inline constexpr const char* wienerTried =
    RSA_TEXT("rsa", "{0} yakınsak denendi; {1} tanesinde φ tam sayı çıktı.");
// {0} is the table's row i, {1} d in full.
inline constexpr const char* wienerD =
    RSA_TEXT("rsa", "i = {0} satırında diskriminant tam kare çıktı: d = {1}");
// {0} is the smaller root in full, {1} the larger.
inline constexpr const char* wienerP =
    RSA_TEXT("rsa", "Denklemin küçük kökü n'nin bir asalıdır: p = {0}");
inline constexpr const char* wienerQ = RSA_TEXT("rsa", "Büyük kökü öteki asaldır: q = {0}");
// {0} is the test block, {1} its cipher text (shortened), {2} the cipher text
// decrypted with the d found.
inline constexpr const char* wienerCheck = RSA_TEXT(
    "rsa", "Sağlama bir deneme bloğuyla: m = {0} için c = mᵉ mod n = {1} ve c^d mod n = {2}.");
// {0} is the size of n in bits.
inline constexpr const char* fermatSection =
    RSA_TEXT("rsa", "Gerçek boyutta Fermat yöntemi: {0} bitlik anahtar");
// {0} and {1} are the size of n in bits and digits, {2} a = ceil(sqrt(n)).
inline constexpr const char* fermatIntro = RSA_TEXT(
    "rsa", "n {0} bit ({1} basamak). a = ⌈√n⌉ = {2} ile başlanır ve a bir bir artırılır; a² − n "
           "bir tam kare b² olunca n = a² − b² = (a − b)(a + b) olur.");
// Each with its number in full.
inline constexpr const char* fermatB = RSA_TEXT("rsa", "b = √(a² − n) = {0}");
inline constexpr const char* fermatP = RSA_TEXT("rsa", "p = a − b = {0}");
inline constexpr const char* fermatQ = RSA_TEXT("rsa", "q = a + b = {0}");
// {0} is p q (shortened), {1} yes or no.
inline constexpr const char* fermatCheck =
    RSA_TEXT("rsa", "Sağlama: p · q = {0}; n ile aynı mı? {1}");
// {0} is the number of moduli, {1} their size in bits.
inline constexpr const char* surveySection = RSA_TEXT("rsa", "Toplu ebob: {1} bitlik {0} modül");
// {0} is the number of levels of the product tree.
inline constexpr const char* surveyIntro = RSA_TEXT(
    "rsa", "Çarpım ağacı modülleri ikişer ikişer çarparak {0} düzeyde hepsinin çarpımı P'ye "
           "varır; kalan ağacı aynı düzeylerden inerek her nᵢ için zᵢ = P mod nᵢ² verir. "
           "ebob(nᵢ, zᵢ / nᵢ) 1 değilse nᵢ'nin bir asalı başka bir modülde de vardır.");
inline constexpr const char* treeColumns[] = {RSA_TEXT("rsa", "düzey"),
                                              RSA_TEXT("rsa", "düğüm sayısı"),
                                              RSA_TEXT("rsa", "en büyük düğüm (bit)")};
// {0} is the number of moduli, {1} the seconds.
inline constexpr const char* pairwiseTime =
    RSA_TEXT("rsa", "Aynı {0} modülde her çiftin ebob'u {1} saniye sürdü.");
inline constexpr const char* attackStopped = RSA_TEXT("rsa", "Saldırı durduruldu.");
inline constexpr const char* seriesBatch = RSA_TEXT("rsa", "Toplu ebob (çarpım ve kalan ağaçları)");
inline constexpr const char* seriesPairwise = RSA_TEXT("rsa", "Her çiftin ebob'u");
inline constexpr const char* axisKeys = RSA_TEXT("rsa", "anahtar sayısı N");
inline constexpr const char* axisSeconds = RSA_TEXT("rsa", "süre (saniye)");
inline constexpr const char* surveyNote = RSA_TEXT(
    "rsa",
    "2012'deki “Mining your Ps and Qs” taramasında (Heninger, Durumeric, Wustrow, "
    "Halderman, USENIX Security) zayıf rastgele sayı üreteçleri yüzünden TLS "
    "sunucularının yüzde 0,50'sinin ve SSH sunucularının yüzde 0,03'ünün gizli anahtarı, ortak "
    "asallar bu yolla bulunarak ele geçirilebildi. Toplu ebob, N modülün çarpımı P'yi bir "
    "ağaçla kurar ve her nᵢ için zᵢ = P mod nᵢ² hesaplar; ebob(nᵢ, zᵢ / nᵢ) 1 değilse "
    "nᵢ'nin bir asalı başka bir modülde de vardır. Süresi yaklaşık N log² N ile büyür, her "
    "çiftin ebob'u ise N² / 2 ile; çiftler yalnız küçük N için ölçülür.");

} // namespace rsa::texts::realsize
