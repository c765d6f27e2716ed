#include "shell/PageCommands.h"

namespace qor {

TPageCommands::TPageCommands(MainWindowState& state, const PageCommandHosts& hosts)
    : shell_(hosts.shell) {
    // The order of the blocks is the order rows are tried in: where a
    // subsystem's rows sit between another's, that one has two blocks. Rows
    // of functions the program does not have yet are listed in
    // docs/ARCHITECTURE.md with their place.
    table_.addBlock(labCommands(hosts.lab, hosts.page));
    table_.addBlock(presentationStopCommands(hosts.superlearning));
    table_.addBlock(optionsWindowCommands(hosts.optionsWindow));
    table_.addBlock(dictionaryWindowCommands(hosts.dictionary));
    table_.addBlock(soundCommands(hosts.sound));
    table_.addBlock(dictionarySearchCommands(hosts.dictionary, hosts.page));
    table_.addBlock(verbListCommands(hosts.verbs, hosts.page));
    table_.addBlock(trainingEvaluationCommands(hosts.training));
    table_.addBlock(verbAnswerCommands(hosts.verbs, hosts.page));
    table_.addBlock(trainingRoundCommands(hosts.training));
    table_.addBlock(verbPresetCommands(hosts.verbs));
    table_.addBlock(areaTrainingCommands(state, hosts.page, hosts.areaTraining));
    table_.addBlock(bingoCommands(hosts.superlearning));
    table_.addBlock(trainingStartCommands(hosts.training));
    table_.addBlock(superlearningCommands(hosts.superlearning));
    table_.addBlock(webAndSettingsCommands(hosts.page, hosts.shell));
    table_.addBlock(userCommands(hosts.users, hosts.page));
    table_.addBlock(endCommands(hosts.shell));
}

void TPageCommands::Run(std::string_view commandList) {
    shell_.processMessages();
    table_.run(commandList);
}

} // namespace qor
