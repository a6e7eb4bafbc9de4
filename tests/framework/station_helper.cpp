// The other station of the form tests, a process of its own.
//
//   station_helper delete DIR NRO   deletes agent NRO from Agt.tps in DIR
//                                   through the store; exit status = driver code
#include <unistd.h>

#include <string_view>

#include "platform/store/file.h"
#include "platform/store/makekeyedtable.h"
#include "tests/framework/relationtables.h"

using namespace vorda;
using namespace vorda::test;

namespace {

int deleteAgent(const char* nro) {
    AgtRecord rec{};
    const std::unique_ptr<store::File> agt = store::makeKeyedTable(agtDesc(), &rec);
    agt->setOwner("RelTestOwner");
    if (int code = agt->open(0x42); code != store::Ok)
        return code;
    rec.NRO.set(nro);
    if (int code = agt->get(AGT_BYNRO); code != store::Ok)
        return code;
    return agt->erase();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 || std::string_view(argv[1]) != "delete" || ::chdir(argv[2]) != 0)
        return 200;
    return deleteAgent(argv[3]);
}
