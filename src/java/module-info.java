/** Renminbi amounts in Chinese capital numerals, on the C++ core of 青禾笺. */
module org.example.qinghejian {
    exports org.example.qinghejian;
}
