#pragma once

// The step window's explanation of the exchange window's acts (--adim-adim
// together with --mesajlasma). Like StepTexts.h: Turkish, the source
// language, marked for the catalogues; {0}, {1}, ... are filled in after
// translation, and a number never takes a suffix.

#include "texts/Texts.h"

namespace rsa::texts::exchangeSteps {

inline constexpr const char* sendTitle =
    RSA_TEXT("rsa", "Mesajlaşma – gönder: ({0}, {1}) açık anahtarıyla şifreleme");
inline constexpr const char* sendIntro = RSA_TEXT(
    "rsa", "Gönderen yalnız alıcının açık anahtarını (e, n) bilir. Kart numarası sekiz bloğa "
           "bölünür ve her blok c = m{0} mod {1} ile şifrelenir; geri çevirmek için alıcının özel "
           "üssü d gerekir.");
inline constexpr const char* sendWeakness = RSA_TEXT(
    "rsa", "Bu haliyle şifreleme güvenli değildir: her blok iki basamaklı olduğundan yalnız 100 "
           "olası değer alabilir. Açık anahtar herkese açık olduğundan bir saldırgan 00 ile 99 "
           "arasındaki her sayıyı kendisi şifreleyip bu bloklarla karşılaştırır ve kart numarasını "
           "d üssünü bilmeden bulur. Gerçek RSA bu yüzden iletiyi şifrelemeden önce rastgele "
           "baytlarla doldurur (OAEP dolgusu); böylece aynı ileti her seferinde başka bir şifreli "
           "metin verir. \"Gerçek boyut\" penceresi bunu gösterir.");
inline constexpr const char* sendIntroNoInverse = RSA_TEXT(
    "rsa", "Gönderen yalnız alıcının açık anahtarını (e, n) bilir. Kart numarası sekiz bloğa "
           "bölünür ve her blok c = m{0} mod {1} ile şifrelenir.");
inline constexpr const char* sendNoInverse = RSA_TEXT(
    "rsa", "e = {0} çifttir: n > 2 için φ(n) her zaman çift olduğundan e ile φ aralarında asal "
           "değildir ve e sayısının tersi yoktur. Bu bloklar hiçbir özel üsle geri çevrilemez; "
           "alıcı kart numarasını okuyamaz.");
inline constexpr const char* receiveTitle =
    RSA_TEXT("rsa", "Mesajlaşma – al: özel anahtarım (d, n) = ({0}, {1}) ile şifre çözme");
inline constexpr const char* receiveIntro = RSA_TEXT(
    "rsa", "Her şifreli blok m = c{0} mod {1} ile çözülür. e · d mod φ = 1 olduğundan "
           "(mᵉ)ᵈ mod n = m olur; d yalnız anahtarın sahibinde olduğundan bu blokları yalnız o "
           "çözebilir.");
inline constexpr const char* receivedCard =
    RSA_TEXT("rsa", "Bloklar birleşince kart numarası: {0}.");
inline constexpr const char* signTitle =
    RSA_TEXT("rsa", "Mesajlaşma – imzala: özel anahtarım (d, n) = ({0}, {1}) ile");
inline constexpr const char* signIntro = RSA_TEXT(
    "rsa", "Her blok s = m{0} mod {1} ile imzalanır. İmza şifrelemenin aynasıdır: şifrelemede "
           "herkes e ile kilitler, yalnız d sahibi açar; imzada yalnız d sahibi kilitler, herkes e "
           "ile açar. İkisi de aynı eşitliğe dayanır: e · d mod φ = 1 olduğundan "
           "(mᵈ)ᵉ mod n = (mᵉ)ᵈ mod n = m.");
inline constexpr const char* verifyTitle =
    RSA_TEXT("rsa", "Mesajlaşma – imzayı doğrula: ({0}, {1}) açık anahtarıyla");
inline constexpr const char* verifyIntro =
    RSA_TEXT("rsa", "Her imza bloğu için s{0} mod {1} hesaplanır ve kart numarasının aynı sıradaki "
                    "bloğuyla karşılaştırılır.");
inline constexpr const char* verifyValid = RSA_TEXT(
    "rsa", "Sekiz bloğun hepsi geri geldi: bu bloklar bu açık anahtara uyuyor. Bu, imzanın "
           "anahtarın sahibinden geldiğini tek başına kanıtlamaz, çünkü ders sürümündeki (ham) "
           "RSA imzası d bilinmeden de taklit edilebilir:");
inline constexpr const char* forgeryFixed =
    RSA_TEXT("rsa", "00 ve 01 blokları kendi imzalarıdır: 0ᵉ = 0 ve 1ᵉ = 1.");
inline constexpr const char* forgeryProduct =
    RSA_TEXT("rsa", "İki imzalı bloğun çarpımı imzalı bir bloktur: s₁ᵉ = m₁ ve s₂ᵉ = m₂ ise "
                    "(s₁ · s₂)ᵉ mod n = m₁ · m₂ mod n.");
inline constexpr const char* forgeryRoot = RSA_TEXT(
    "rsa", "Küçük blokların tam kökü alınabilir: m bir tam sayının e. kuvveti ise (örneğin "
           "e = 3 için 8 = 2³), s = ᵉ√m hiç mod almadan imzadır.");
inline constexpr const char* forgeryPrevented = RSA_TEXT(
    "rsa", "Gerçek imzalarda ileti imzalanmadan önce özetlenir (hash) ve rastgele baytlarla "
           "doldurulur (RSA-PSS): imzalanan sayı artık seçilebilir bir blok değildir, çarpım ve "
           "kök hileleri geçerli bir dolgu vermez. Böyle bir imzayı yalnız d üssünü bilen "
           "hesaplayabilir; d ise n sayısının çarpanları bilinmeden bulunamaz.");
inline constexpr const char* verifyInvalid = RSA_TEXT(
    "rsa", "Şu bloklar uymuyor: {0}. Kart numarası ya da imza değişmiş, ya da imza başka bir "
           "özel anahtarla yapılmış.");
inline constexpr const char* blockTitle = RSA_TEXT("rsa", "Blok {0}: {1}{2} mod {3} = {4}");
inline constexpr const char* cardColumn = RSA_TEXT("rsa", "kart bloğu");
inline constexpr const char* newKeyTitle = RSA_TEXT("rsa", "Mesajlaşma – bana özel anahtar");
inline constexpr const char* newKeyDrawn = RSA_TEXT(
    "rsa", "p = {0} ve q = {1}, işletim sisteminin rastgele kaynağından {2} sayısına kadar olan "
           "asallar arasından seçildi; ana pencerenin sabit rastgele dizisi kullanılmadı. "
           "n = {3}, φ = (p − 1)(q − 1) = {4}.");
inline constexpr const char* newKeyExponent = RSA_TEXT(
    "rsa", "e = {0}: φ ile aralarında asal. Genişletilmiş Öklid algoritması d = {1} verir; "
           "sağlama: e · d mod φ = 1.");
inline constexpr const char* refusedTitle = RSA_TEXT("rsa", "Mesajlaşma – {0}");

} // namespace rsa::texts::exchangeSteps
