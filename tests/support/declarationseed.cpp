// Writing seed rows into the real tables.
#include "tests/support/declarationseed.h"

#include <cstdio>
#include <functional>

#include "data/agentes.h"
#include "data/anexoi.h"
#include "data/anexoii.h"
#include "data/anexoiii.h"
#include "data/ddjj.h"
#include "data/dictionary.h"
#include "platform/store/codes.h"
#include "platform/store/file.h"
#include "platform/store/transaction.h"

namespace vorda::seed {

namespace {

std::string key(const std::string& nro, const std::string& period) {
    std::string k = nro;
    k.resize(11, ' ');
    return k + period;
}

Decimal amount(const std::string& text) {
    return Decimal::parse(text).value_or(Decimal());
}

// Runs `write` with every declaration table open, in one transaction.
bool inTransaction(const std::function<bool()>& write) {
    if (Relate::DDJJ->Open() != Benign)
        return false;
    std::vector<store::File*> files;
    bool ok = true;
    for (FileManager* f :
         {Access::AGENTES, Access::DDJJ, Access::ANEXOI, Access::ANEXOII, Access::ANEXOIII}) {
        ok = ok && f->UseFile() == Benign;
        files.push_back(f->File);
    }
    if (ok) {
        store::Transaction t;
        ok = t.begin(files, 5) == store::Ok && write() && t.commit() == store::Ok;
    }
    Relate::DDJJ->Close();
    return ok;
}

bool add(FileManager* table) {
    return table->File->add() == store::Ok;
}

Date seedDate() {
    return Date::fromYmd(2005, 5, 15).value_or(Date());
}

}  // namespace

bool addAgent(const std::string& nro, const std::string& email) {
    return inTransaction([&] {
        AGE.clear();
        AGE.NRO_AGENTE.set(nro);
        AGE.NRO_CUIT.set("30-50001091-2");
        AGE.DENOMINACION.set("BANCO DE LA PROVINCIA DEL VESPRA S.A.");
        AGE.DOMICILIO.set("San Martín 1234");
        AGE.LOCALIDAD.set("Tolmas");
        AGE.TELEFONO.set("0381-4221100");
        AGE.FAX.set("0381-4221101");
        AGE.CORREO_ELECTRONICO.set(email);
        return add(Access::AGENTES);
    });
}

bool addDeclaration(const std::string& nro, const std::string& period,
                    const std::vector<Inciso>& incisos) {
    return inTransaction([&] {
        DDJ.clear();
        DDJ.AGENTE_PERIODO.set(key(nro, period));
        Decimal* fields[] = {&DDJ.INCISO_A, &DDJ.INCISO_B, &DDJ.INCISO_C, &DDJ.INCISO_D,
                             &DDJ.INCISO_E, &DDJ.INCISO_F, &DDJ.INCISO_G, &DDJ.INCISO_H,
                             &DDJ.INCISO_I, &DDJ.INCISO_J, &DDJ.INCISO_K, &DDJ.INCISO_L,
                             &DDJ.INCISO_M, &DDJ.INCISO_N};
        for (const Inciso& i : incisos) {
            if (i.letter >= 'a' && i.letter <= 'n')
                *fields[i.letter - 'a'] = amount(i.amount);
        }
        return add(Access::DDJJ);
    });
}

bool addAnnexI(const std::string& nro, const std::string& period,
               const std::vector<std::string>& cards) {
    return inTransaction([&] {
        A1.clear();
        A1.AGENTE_PERIODO.set(key(nro, period));
        Decimal* fields[] = {&A1.TARJETA_1, &A1.TARJETA_2,  &A1.TARJETA_3, &A1.TARJETA_4,
                             &A1.TARJETA_5, &A1.TARJETA_6,  &A1.TARJETA_7, &A1.TARJETA_8,
                             &A1.TARJETA_9, &A1.TARJETA_10, &A1.TARJETA_11};
        for (size_t i = 0; i < cards.size() && i < std::size(fields); ++i)
            *fields[i] = amount(cards[i]);
        return add(Access::ANEXOI);
    });
}

namespace {

bool addLineII(const std::string& k, int number, Decimal value, Decimal tax) {
    char party[31];
    std::snprintf(party, sizeof party, "CONTRATANTE %06d", number);
    A2.clear();
    A2.AGENTE_PERIODO.set(k);
    A2.DOCUMENTO.set("PAGARE");
    A2.INCISO.set("c");
    A2.FECHA_DOCUMENTO = seedDate();
    A2.CONTRATANTE.set(party);
    A2.CUIT.set("20-12345678-6");
    A2.NRO_ORDEN = number;
    A2.VALOR = value;
    A2.ALICUOTA = Decimal::fromInteger(1);
    A2.IMPUESTO = tax;
    A2.FECHA_REGISTRO = seedDate();
    return add(Access::ANEXOII);
}

}  // namespace

bool addAnnexII(const std::string& nro, const std::string& period,
                const std::vector<std::string>& taxes) {
    return inTransaction([&] {
        int number = 0;
        for (const std::string& t : taxes) {
            const Decimal tax = amount(t);
            if (!addLineII(key(nro, period), ++number,
                           Decimal::fromHundredths(tax.hundredths() * 100), tax))
                return false;
        }
        return true;
    });
}

bool addAnnexIIGenerated(const std::string& nro, const std::string& period, int count) {
    return inTransaction([&] {
        for (int i = 1; i <= count; ++i) {
            const Decimal value = Decimal::fromInteger(60000 + i);
            if (!addLineII(key(nro, period), i, value, value.percentOf(Decimal::fromInteger(1))))
                return false;
        }
        return true;
    });
}

bool addAnnexIII(const std::string& nro, const std::string& period,
                 const std::vector<std::string>& values) {
    return inTransaction([&] {
        int number = 0;
        for (const std::string& v : values) {
            ++number;
            char party[31];
            std::snprintf(party, sizeof party, "EXENTO %06d", number);
            A3.clear();
            A3.AGENTE_PERIODO.set(key(nro, period));
            A3.DOCUMENTO.set("CONTRATO");
            A3.FECHA_DOCUMENTO = seedDate();
            A3.CONTRATANTE.set(party);
            A3.NRO_CUIT.set("20-12345678-6");
            A3.NRO_ORDEN = number;
            A3.VALOR = amount(v);
            A3.FECHA_REGISTRO = seedDate();
            A3.LEY_DECRETO.set("LEY 5121 ART. 12 INC. 3");
            if (!add(Access::ANEXOIII))
                return false;
        }
        return true;
    });
}

}  // namespace vorda::seed
