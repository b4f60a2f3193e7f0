mixed_dlg : dialog { 
    label="Mixed clusters";
        : column {
            key        = "col" ;
            width      = 56.0 ;
            height     =  8.0 ;
            : radio_column {
                : radio_button {
                    key        = "c1" ;
                    label      = "C1" ;
                    width      = 54.9 ;
                    height     =  1.4 ;
                    alignment     = left ;
                }
                : radio_button {
                    key        = "c2" ;
                    label      = "C2" ;
                    width      = 54.9 ;
                    height     =  1.4 ;
                }
            }
            : button {
                key        = "cb" ;
                label      = "Cb" ;
                width      = 54.9 ;
                height     =  1.9 ;
            }
            : radio_column {
                : radio_button {
                    key        = "c3" ;
                    label      = "C3" ;
                    width      = 54.9 ;
                    height     =  1.4 ;
                }
            }
        }
        : row {
            key        = "row" ;
            width      = 56.0 ;
            height     =  2.4 ;
            children_alignment = top ;
            : radio_row {
                : radio_button {
                    key        = "r1" ;
                    label      = "R1" ;
                    width      = 14.3 ;
                    height     =  1.9 ;
                    alignment     = top ;
                }
            }
            : button {
                key        = "rb" ;
                label      = "Rb" ;
                width      = 11.4 ;
                height     =  1.9 ;
                alignment     = top ;
            }
            : radio_row {
                : radio_button {
                    key        = "r2" ;
                    label      = "R2" ;
                    width      = 14.3 ;
                    height     =  1.9 ;
                    alignment     = bottom ;
                }
                : radio_button {
                    key        = "r3" ;
                    label      = "R3" ;
                    width      = 14.3 ;
                    height     =  1.9 ;
                }
            }
        }
        : boxed_column {
            key        = "boxcol" ;
            label      = "Boxed" ;
            alignment     = left ;
            width      = 56.0 ;
            height     =  6.0 ;
            children_alignment = left ;
            : button {
                key        = "bb" ;
                label      = "Bb" ;
                width      = 55.4 ;
                height     =  1.9 ;
            }
            : radio_column {
                : radio_button {
                    key        = "b1" ;
                    label      = "B1" ;
                    width      = 55.4 ;
                    height     =  1.4 ;
                }
                : radio_button {
                    key        = "b2" ;
                    label      = "B2" ;
                    width      = 55.4 ;
                    height     =  1.4 ;
                }
            }
        }
        : boxed_row {
            key        = "boxrow" ;
            label      = "Boxed row" ;
            alignment     = left ;
            width      = 56.0 ;
            height     =  2.7 ;
            : radio_row {
                : radio_button {
                    key        = "g1" ;
                    label      = "G1" ;
                    width      = 14.3 ;
                    height     =  1.5 ;
                    alignment     = top ;
                }
            }
            : text {
                key        = "or" ;
                label      = "or" ;
                width      =  9.3 ;
                height     =  1.5 ;
                alignment     = top ;
            }
            : radio_row {
                : radio_button {
                    key        = "g2" ;
                    label      = "G2" ;
                    width      = 14.3 ;
                    height     =  1.5 ;
                    alignment     = top ;
                }
            }
        }
        : boxed_radio_column {
            key        = "grp" ;
            label      = "Radio group" ;
            alignment     = left ;
            width      = 56.0 ;
            height     =  6.0 ;
            children_alignment = left ;
            : radio_button {
                key        = "m1" ;
                label      = "M1" ;
                width      = 55.4 ;
                height     =  1.4 ;
            }
            : button {
                key        = "mb" ;
                label      = "Mb" ;
                width      = 55.4 ;
                height     =  1.9 ;
            }
            : radio_button {
                key        = "m2" ;
                label      = "M2" ;
                width      = 55.4 ;
                height     =  1.4 ;
            }
        }
        : column {
            key        = "outer" ;
            width      = 56.0 ;
            height     =  8.0 ;
            : radio_column {
                : radio_button {
                    key        = "o1" ;
                    label      = "O1" ;
                    width      = 54.9 ;
                    height     =  1.4 ;
                }
            }
            : radio_row {
                key        = "inner_row" ;
                width      = 54.9 ;
                height     =  2.0 ;
                children_alignment = top ;
                : radio_button {
                    key        = "i1" ;
                    label      = "I1" ;
                    width      = 14.3 ;
                    height     =  1.5 ;
                    alignment     = top ;
                }
                : radio_button {
                    key        = "i2" ;
                    label      = "I2" ;
                    width      = 14.3 ;
                    height     =  1.5 ;
                    alignment     = top ;
                }
            }
            : radio_column {
                : radio_button {
                    key        = "o2" ;
                    label      = "O2" ;
                    width      = 54.9 ;
                    height     =  1.4 ;
                    alignment     = right ;
                }
            }
            : row {
                key        = "across" ;
                width      = 54.9 ;
                height     =  2.0 ;
                children_alignment = top ;
                : radio_column {
                    key        = "stack" ;
                    alignment     = top ;
                    width      = 14.3 ;
                    height     =  1.5 ;
                    : radio_button {
                        key        = "s1" ;
                        label      = "S1" ;
                        width      = 13.1 ;
                        height     =  1.4 ;
                    }
                }
                : radio_row {
                    : radio_button {
                        key        = "a1" ;
                        label      = "A1" ;
                        width      = 14.3 ;
                        height     =  1.5 ;
                        alignment     = bottom ;
                    }
                }
            }
        }
ok_cancel_help;
}
