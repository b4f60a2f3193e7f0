clusters_dlg : dialog { 
    label="Radio clusters";
        : radio_column {
            key        = "col" ;
            width      = 56.0 ;
            height     =  3.3 ;
            : radio_button {
                key        = "north" ;
                label      = "North" ;
                width      = 54.9 ;
                height     =  1.4 ;
                alignment     = left ;
            }
            : radio_button {
                key        = "south" ;
                label      = "South" ;
                width      = 54.9 ;
                height     =  1.4 ;
            }
        }
        : radio_row {
            key        = "row" ;
            width      = 56.0 ;
            height     =  2.0 ;
            children_alignment = top ;
            : radio_button {
                key        = "east" ;
                label      = "East" ;
                width      = 14.3 ;
                height     =  1.5 ;
                alignment     = top ;
            }
            : radio_button {
                key        = "up" ;
                label      = "Up" ;
                width      = 14.3 ;
                height     =  1.5 ;
            }
            : radio_button {
                key        = "west" ;
                label      = "West" ;
                width      = 14.3 ;
                height     =  1.5 ;
                alignment     = bottom ;
            }
        }
        : boxed_radio_column {
            key        = "size" ;
            label      = "Size" ;
            alignment     = left ;
            width      = 56.0 ;
            height     =  4.0 ;
            children_alignment = left ;
            : radio_button {
                key        = "small" ;
                label      = "Small" ;
                width      = 55.4 ;
                height     =  1.4 ;
            }
            : radio_button {
                key        = "large" ;
                label      = "Large" ;
                width      = 55.4 ;
                height     =  1.4 ;
                value      = "1" ;
            }
        }
        : boxed_radio_row {
            key        = "side" ;
            label      = "Side" ;
            alignment     = left ;
            width      = 56.0 ;
            height     =  2.7 ;
            : radio_button {
                key        = "left" ;
                label      = "Left" ;
                width      = 14.3 ;
                height     =  1.5 ;
                alignment     = top ;
            }
            : radio_button {
                key        = "right" ;
                label      = "Right" ;
                width      = 14.3 ;
                height     =  1.5 ;
            }
        }
        : column {
            key        = "empty_col" ;
            width      = 56.0 ;
            height     =  1.3 ;
        }
        : boxed_row {
            key        = "empty_box" ;
            label      = "Empty" ;
            alignment     = left ;
            width      = 56.0 ;
            height     =  2.0 ;
        }
        : column {
            key        = "outer" ;
            width      = 56.0 ;
            height     =  4.0 ;
            : radio_column {
                key        = "inner" ;
                width      = 54.9 ;
                height     =  3.3 ;
                : radio_button {
                    key        = "in1" ;
                    label      = "In1" ;
                    width      = 53.7 ;
                    height     =  1.4 ;
                }
                : radio_button {
                    key        = "in2" ;
                    label      = "In2" ;
                    width      = 53.7 ;
                    height     =  1.4 ;
                }
            }
        }
ok_cancel_help;
}
