#pragma once
// The substitution tables of encoded dictionary fields. An encoded field is a
// selector character followed by the text, in which the character at position k
// of the plain alphabet is written as the character at position k of the
// selector's table. Characters outside the table stand for themselves. These
// constants are part of the file format: changing one breaks every dictionary.

#include <array>
#include <cstddef>
#include <string_view>

namespace quillet::dictionary {

inline constexpr std::size_t kTableCount = 26;
inline constexpr std::size_t kAlphabetSize = 57;

inline constexpr std::u16string_view kPlainAlphabet =
    u"abcdefghijklmnopqrstuvwxyz ,.()ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Selector i names table i.
inline constexpr std::u16string_view kSelectors = u"?-H[p#lwqLdG)g0;jC@Wu7vNE|";
inline constexpr std::array<std::u16string_view, kTableCount> kCipherTables = {
    u"ButZdJI7o26sKAhcaY&wN}R$Ff'qOx#]1j)=.<?3{;ik0gX-/H@%|[mbe",
    u"9Sl)?/a,G-$oP_wY`fRJ<XZ2AFH:;1i0N5O@dn>=uB[rWj7TKh6MU&.sm",
    u"}A2g`t*D;.<pUor6|0+zNT5nGX(,i$H#[S7Ef?mj'!Oe>:@hWK^w8lCJY",
    u"F#p[ZM1]2$9,P@Q>m=iW'`k.()r<KRGfnN0Bu+q;?UcyvdI%A/!habw_l",
    u"G=3R!}/jTXH8EQLq:`cm,*iWo5'V?M)A$kF@a4Zv_-BPUn0d>t.hNrO#l",
    u"]_<^NY0/h7VcmWX(j!nuH%&)-F8t43Owa=fTgUk[;@2SAsIZlp:*o#6?i",
    u"5_atc=rq0|W31wXVoI})Q2@&Ky!NkHMiZSA4*m:8<{j/gP`ue9pOLnb>7",
    u"-kG|9.E{+@lS&,Cmwq:Kx1>gfA_cPFQ<n`Y}^')#LJt37[i]RI=0pHbsT",
    u"rF`-s}%1,p3bo7c]@^_2':X(LP{mOq0ITw5zf&NlCnkEG?e>Yx[KAUD6<",
    u"R5jHSUk<^Air)I$@LNJmZXY-/#E.;2uhq!V3PD94g1voy=dF7bnw?K_f0",
    u",m><WlsdK^pB@eHAIx&gbcF$_u{'5wh92ko:y80[#6)1-DrfP/S7YNQ}L",
    u"#,:6(i/F8Vj_aRx%G<tMN`J[oO.vH*W}71]A2$nTw{?f3E=bDySr'pPBU",
    u":'e/sO1a,lGK86(vBCb|S>V?Mw2=[3$X!r5h<+0@{on.zQm)HLE7yp`}R",
    u"K4f]A8Vac$GR'ge%&v3*[`{JqQzN1p7}s!BSZI#dLPDbrU25l+xFo0XM9",
    u"qig@5X]lae3Ksr2cW<.O`}kEd9A/0y&V[!xRC:(JB7pfuMonF>v;^H?)$",
    u"nN6j|z%WUQr4TZi:)mA>93VbhB1Xs,.S5aG;?^#`7{u&y_v</q+x]YFpP",
    u"mJ?%TS-,OgPcI5Va#1<6vpo{[e7>Q*u=2E'+YlCUq8kF(.9hyf|jbNLwi",
    u"[q?tfIcQ_6LSV=Hp>wR8b9P.K{0WYl:,M;Be/hTjxoC^a<4'GN3%D]@Xi",
    u"8DSMq;b$Nms45r6wi9h[elXA<I@y=CxZEn*ck?3joz-'Hd>O%7.vgpBt|",
    u"-zsJ8T<X.fxG5vL#b)^O>;2?QYadIwE|A,MC!/S]D@='7i+to9mB$}rlc",
    u"LkuSvZxAIp?Pt[K5i!dsm]@4F*G+_UTo3<%eX1jNYWH&a8f6,JhbEB7/.",
    u"CB,`el5K3vnc$#&bVp:'|=+)YHw^/>QEk_LSfim{XRrjIP%GNAO!]sthU",
    u")d;S3EyKI:@{pt8}BUCe/gA!Th17OsZb0,<WfFr'o?Pimkx2q=]l^*VaL",
    u"#0={:}Dez@3RcaCN'tU4M!A)(]Tw/YbLZ&*?`%.5+F[u^HjEvkfpWh2,g",
    u"7aj:46TPxYLUi'8hX5dB@NSrf`GHz;%y,|M(v^s$=RKp0ng2#1*{mE<3)",
    u"}v:c,Ll0E;aFGDkKVmyj8f=OzQP?AZ4+iX<M3U$!o(Cqp>.us56{*^Wgh",
};

// Names no table, so the field is stored as it reads.
inline constexpr char16_t kIdentitySelector = u'~';

// The table index of `selector`, or -1 when it names no table.
constexpr int tableIndexOf(char16_t selector)
{
    const auto position = kSelectors.find(selector);
    return position == std::u16string_view::npos ? -1 : static_cast<int>(position);
}

}  // namespace quillet::dictionary
