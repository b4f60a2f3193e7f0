        : row {
            key        = "r" ;
            label      = "Line" ;
            alignment     = left ;
            width      = 42.9 ;
            height     =  2.7 ;
            is_tab_stop = false ;
            is_enabled = false ;
            fixed_height = true ;
            fixed_width = true ;
            children_fixed_height = true ;
            children_fixed_width = true ;
            children_alignment = bottom ;
            : button {
                key        = "b1" ;
                label      = "Button" ;
                width      = 11.4 ;
                height     =  2.1 ;
                alignment     = top ;
            }
            : button {
                key        = "b2" ;
                label      = "Button" ;
                width      = 11.4 ;
                height     =  2.1 ;
                alignment     = top ;
            }
        }
