// Forms of ten verbs written out by hand, two persons in every tense, held
// against the table's expansion: "slot:person=form,person=form;...".

#include "platform/Registry.h"
#include "platform/Text.h"
#include "verbs/Verben.h"

#include <gtest/gtest.h>
#include <sstream>

namespace qor {
namespace {

struct HandWritten {
    const char* verb;
    const char* forms;
};

const HandWritten Expected[] = {
    {"comprar", "0:0=compro,4=compráis;1:0=compraba,3=comprábamos;2:0=compré,5=compraron;"
                "3:1=comprarás,4=compraréis;4:2=compre,4=compréis;"
                "5:0=comprara/comprase,3=compráramos/comprásemos;6:1=compra,4=comprad;"
                "7:0=compraría,3=compraríamos;8:0=he comprado,4=habéis comprado;"
                "9:2=había comprado,5=habían comprado;10:0=hube comprado,3=hubimos comprado;"
                "11:1=habrás comprado,5=habrán comprado;12:0=haya comprado,4=hayáis comprado;"
                "13:0=hubiera/hubiese comprado,3=hubiéramos/hubiésemos comprado;"
                "14:0=comprando,1=comprado;15:0=habría comprado,4=habríais comprado"},
    {"vender", "0:0=vendo,4=vendéis;1:2=vendía,4=vendíais;2:2=vendió,5=vendieron;"
               "3:0=venderé,3=venderemos;4:0=venda,4=vendáis;"
               "5:1=vendieras/vendieses,3=vendiéramos/vendiésemos;6:1=vende,4=vended;"
               "7:1=venderías,5=venderían;8:2=ha vendido,3=hemos vendido;"
               "9:0=había vendido,4=habíais vendido;10:2=hubo vendido,4=hubisteis vendido;"
               "11:0=habré vendido,3=habremos vendido;12:2=haya vendido,5=hayan vendido;"
               "13:1=hubieras/hubieses vendido,5=hubieran/hubiesen vendido;"
               "14:0=vendiendo,1=vendido;15:2=habría vendido,5=habrían vendido"},
    {"recibir", "0:3=recibimos,4=recibís;1:0=recibía,3=recibíamos;2:0=recibí,4=recibisteis;"
                "3:2=recibirá,5=recibirán;4:3=recibamos,5=reciban;"
                "5:0=recibiera/recibiese,4=recibierais/recibieseis;6:2=reciba,4=recibid;"
                "7:0=recibiría,4=recibiríais;8:0=he recibido,5=han recibido;"
                "9:1=habías recibido,3=habíamos recibido;10:1=hubiste recibido,5=hubieron recibido;"
                "11:2=habrá recibido,4=habréis recibido;12:1=hayas recibido,3=hayamos recibido;"
                "13:2=hubiera/hubiese recibido,4=hubierais/hubieseis recibido;"
                "14:0=recibiendo,1=recibido;15:1=habrías recibido,3=habríamos recibido"},
    {"ser", "0:0=soy,4=sois;1:0=era,3=éramos;2:2=fue,5=fueron;3:0=seré,4=seréis;"
            "4:0=sea,4=seáis;5:0=fuera/fuese,3=fuéramos/fuésemos;6:1=sé,4=sed;"
            "7:0=sería,5=serían;8:0=he sido,3=hemos sido;9:2=había sido,4=habíais sido;"
            "10:0=hube sido,5=hubieron sido;11:2=habrá sido,3=habremos sido;"
            "12:0=haya sido,5=hayan sido;13:0=hubiera/hubiese sido,4=hubierais/hubieseis sido;"
            "14:0=siendo,1=sido;15:0=habría sido,4=habríais sido"},
    {"ir", "0:0=voy,4=vais;1:0=iba,3=íbamos;2:0=fui,2=fue;3:0=iré,3=iremos;4:0=vaya,4=vayáis;"
           "5:2=fuera/fuese,5=fueran/fuesen;6:1=ve,3=vamos;7:1=irías,3=iríamos;"
           "8:0=he ido,4=habéis ido;9:0=había ido,5=habían ido;10:2=hubo ido,3=hubimos ido;"
           "11:0=habré ido,4=habréis ido;12:1=hayas ido,4=hayáis ido;"
           "13:0=hubiera/hubiese ido,3=hubiéramos/hubiésemos ido;14:0=yendo,1=ido;"
           "15:2=habría ido,5=habrían ido"},
    {"tener", "0:0=tengo,1=tienes;1:0=tenía,4=teníais;2:0=tuve,2=tuvo;3:0=tendré,5=tendrán;"
              "4:0=tenga,3=tengamos;5:0=tuviera/tuviese,3=tuviéramos/tuviésemos;6:1=ten,4=tened;"
              "7:0=tendría,4=tendríais;8:0=he tenido,5=han tenido;"
              "9:0=había tenido,3=habíamos tenido;10:1=hubiste tenido,4=hubisteis tenido;"
              "11:1=habrás tenido,3=habremos tenido;12:2=haya tenido,4=hayáis tenido;"
              "13:1=hubieras/hubieses tenido,5=hubieran/hubiesen tenido;"
              "14:0=teniendo,1=tenido;15:0=habría tenido,3=habríamos tenido"},
    {"hacer",
     "0:0=hago,4=hacéis;1:0=hacía,5=hacían;2:0=hice,2=hizo;3:0=haré,4=haréis;"
     "4:0=haga,4=hagáis;5:0=hiciera/hiciese,3=hiciéramos/hiciésemos;6:1=haz,4=haced;"
     "7:0=haría,3=haríamos;8:0=he hecho,4=habéis hecho;9:2=había hecho,5=habían hecho;"
     "10:0=hube hecho,2=hubo hecho;11:0=habré hecho,5=habrán hecho;"
     "12:0=haya hecho,3=hayamos hecho;13:2=hubiera/hubiese hecho,4=hubierais/hubieseis hecho;"
     "14:0=haciendo,1=hecho;15:1=habrías hecho,5=habrían hecho"},
    {"decir", "0:0=digo,3=decimos;1:0=decía,4=decíais;2:0=dije,5=dijeron;3:0=diré,3=diremos;"
              "4:0=diga,4=digáis;5:0=dijera/dijese,3=dijéramos/dijésemos;6:1=di,4=decid;"
              "7:0=diría,4=diríais;8:0=he dicho,5=han dicho;9:0=había dicho,3=habíamos dicho;"
              "10:0=hube dicho,4=hubisteis dicho;11:2=habrá dicho,4=habréis dicho;"
              "12:0=haya dicho,5=hayan dicho;13:0=hubiera/hubiese dicho,5=hubieran/hubiesen dicho;"
              "14:0=diciendo,1=dicho;15:0=habría dicho,3=habríamos dicho"},
    {"dormir", "0:0=duermo,3=dormimos;1:0=dormía,3=dormíamos;2:2=durmió,5=durmieron;"
               "3:0=dormiré,4=dormiréis;4:0=duerma,3=durmamos;"
               "5:0=durmiera/durmiese,3=durmiéramos/durmiésemos;6:1=duerme,4=dormid;"
               "7:0=dormiría,5=dormirían;8:0=he dormido,3=hemos dormido;"
               "9:0=había dormido,5=habían dormido;10:2=hubo dormido,5=hubieron dormido;"
               "11:0=habré dormido,3=habremos dormido;12:1=hayas dormido,5=hayan dormido;"
               "13:0=hubiera/hubiese dormido,3=hubiéramos/hubiésemos dormido;"
               "14:0=durmiendo,1=dormido;15:2=habría dormido,4=habríais dormido"},
    {"oír", "0:0=oigo,1=oyes;1:0=oía,3=oíamos;2:1=oíste,2=oyó;3:0=oiré,3=oiremos;"
            "4:0=oiga,4=oigáis;5:0=oyera/oyese,3=oyéramos/oyésemos;6:1=oye,4=oíd;"
            "7:0=oiría,5=oirían;8:0=he oído,4=habéis oído;9:2=había oído,3=habíamos oído;"
            "10:0=hube oído,5=hubieron oído;11:1=habrás oído,5=habrán oído;"
            "12:0=haya oído,4=hayáis oído;13:2=hubiera/hubiese oído,5=hubieran/hubiesen oído;"
            "14:0=oyendo,1=oído;15:0=habría oído,3=habríamos oído"},
};

TEST(VerbForms, TenVerbsInEveryTenseAsWrittenByHand) {
    MemoryRegistry registry;
    const TVerben verben(registry, [](int) { return 0; });
    for (const HandWritten& expected : Expected) {
        int verb = 0;
        while (verb < verben.Count() && verben.Verb(verb).Infinitiv != utf8ToCp1252(expected.verb))
            ++verb;
        ASSERT_LT(verb, verben.Count()) << expected.verb;
        std::istringstream tenses(expected.forms);
        std::string tense;
        int checked = 0;
        while (std::getline(tenses, tense, ';')) {
            const int slot = std::stoi(tense.substr(0, tense.find(':')));
            std::istringstream persons(tense.substr(tense.find(':') + 1));
            std::string item;
            while (std::getline(persons, item, ',')) {
                const int person = std::stoi(item.substr(0, item.find('=')));
                EXPECT_EQ(cp1252ToUtf8(verben.Form(verb, slot, person).text),
                          item.substr(item.find('=') + 1))
                    << expected.verb << " slot " << slot << " person " << person;
                ++checked;
            }
        }
        EXPECT_EQ(checked, 2 * TenseSlots) << expected.verb;
    }
}

} // namespace
} // namespace qor
