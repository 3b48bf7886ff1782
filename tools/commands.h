// The subcommands of tarvenn-engine; each takes argv after its own name.
#pragma once

int runPerft(int argc, char** argv);
int runDivide(int argc, char** argv);
int runMoves(int argc, char** argv);
int runThink(int argc, char** argv);
int runPlay(int argc, char** argv);
int runBook(int argc, char** argv);
int runProbe(int argc, char** argv);
int runSearch(int argc, char** argv);
int runAnalyse(int argc, char** argv);
int runReview(int argc, char** argv);
int runPdn(int argc, char** argv);
int runMatch(int argc, char** argv);
int runTune(int argc, char** argv);
