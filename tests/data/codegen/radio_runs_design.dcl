runs_dlg : dialog { 
    label="Radio runs";
        : radio_column {
            : radio_button {
                key        = "first" ;
                label      = "First" ;
                width      = 41.7 ;
                height     =  1.4 ;
                alignment     = left ;
            }
            : radio_button {
                key        = "second" ;
                label      = "Second" ;
                width      = 41.7 ;
                height     =  1.4 ;
                value      = "1" ;
            }
        }
        : button {
            key        = "apply" ;
            label      = "Apply" ;
            width      = 41.7 ;
            height     =  1.9 ;
        }
        : radio_column {
            : radio_button {
                key        = "alone" ;
                label      = "Alone" ;
                width      = 41.7 ;
                height     =  1.4 ;
                alignment     = right ;
            }
        }
        : text {
            key        = "note" ;
            label      = "Last two" ;
            width      = 41.7 ;
            height     =  1.1 ;
        }
        : radio_column {
            : radio_button {
                key        = "third" ;
                label      = "Third" ;
                width      = 41.7 ;
                height     =  1.4 ;
                alignment     = centered ;
            }
            : radio_button {
                key        = "fourth" ;
                label      = "Fourth" ;
                width      = 41.7 ;
                height     =  1.4 ;
            }
        }
ok_cancel_help;
}
