# The results window's sources (owned with the results window).
target_sources(fractions_app PRIVATE classificaform.h classificaform.cpp)
